<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>SimulationConsole</name>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Kicked</source>
        <translation>Expulsé</translation>
    </message>
    <message>
        <source>COM1 room</source>
        <translation>Salon COM1</translation>
    </message>
    <message>
        <source>COM2 room</source>
        <translation>Salon COM2</translation>
    </message>
    <message>
        <source>Free channel</source>
        <translation>Canal libre</translation>
    </message>
    <message>
        <source>TOKA demo: simulated voice network</source>
        <translation>Démo TOKA : réseau vocal simulé</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>Effacer le journal</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Radios</translation>
    </message>
    <message>
        <source>Pilot present</source>
        <translation>Pilote présent</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Réception</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Émission</translation>
    </message>
    <message>
        <source>Rooms</source>
        <translation>Salons</translation>
    </message>
    <message>
        <source>Force...</source>
        <translation>Forcer...</translation>
    </message>
    <message>
        <source>Kick</source>
        <translation>Expulser</translation>
    </message>
    <message>
        <source>Traffic</source>
        <translation>Trafic</translation>
    </message>
    <message>
        <source>Someone starts or stops talking in the room</source>
        <translation>Quelqu&apos;un commence ou cesse de parler dans le salon</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>The room&apos;s information text changes</source>
        <translation>Le texte d&apos;information du salon change</translation>
    </message>
    <message>
        <source>Random traffic</source>
        <translation>Trafic aléatoire</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Push to talk (hold)</source>
        <translation>Alternat (maintenir)</translation>
    </message>
    <message>
        <source>Voice enabled</source>
        <translation>Voix activée</translation>
    </message>
    <message>
        <source>Speaker routing</source>
        <translation>Choix du haut-parleur</translation>
    </message>
    <message>
        <source>Network connected</source>
        <translation>Réseau connecté</translation>
    </message>
    <message>
        <source>Delete voice object</source>
        <translation>Supprimer l&apos;objet vocal</translation>
    </message>
    <message>
        <source>Re-create voice object</source>
        <translation>Recréer l&apos;objet vocal</translation>
    </message>
    <message>
        <source>time %1 s   voice object %2   push-to-talk %3   contract breaches %4</source>
        <translation>temps %1 s   objet vocal %2   alternat %3   manquements au contrat %4</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>down</source>
        <translation>enfoncé</translation>
    </message>
    <message>
        <source>up</source>
        <translation>relâché</translation>
    </message>
    <message>
        <source>settings: %1</source>
        <translation>réglages : %1</translation>
    </message>
</context>
<context>
    <name>Tour</name>
    <message>
        <source>Network down: radios only, the free channel shows the warning</source>
        <translation>Réseau coupé : radios seules, le canal libre affiche l&apos;avertissement</translation>
    </message>
    <message>
        <source>Voice object bound: three rooms, all offline (grey)</source>
        <translation>Objet vocal lié : trois salons, tous hors ligne (gris)</translation>
    </message>
    <message>
        <source>COM1 room and free channel EGLL_TWR asked for: pending (teal)</source>
        <translation>Salon COM1 et canal libre EGLL_TWR demandés : en attente (bleu-vert)</translation>
    </message>
    <message>
        <source>Connected (green); receiving on COM1 and the free channel, push-to-talk down</source>
        <translation>Connecté (vert) ; réception sur COM1 et le canal libre, alternat enfoncé</translation>
    </message>
    <message>
        <source>Free channel NOWHERE: no such room, failed (orange)</source>
        <translation>Canal libre NOWHERE : salon inexistant, échec (orange)</translation>
    </message>
    <message>
        <source>COM1 room kicked by the network (red)</source>
        <translation>Salon COM1 expulsé par le réseau (rouge)</translation>
    </message>
    <message>
        <source>COM2 room to the speaker and prioritised; listening on both radios</source>
        <translation>Salon COM2 sur haut-parleur et prioritaire ; écoute sur les deux radios</translation>
    </message>
    <message>
        <source>Above: the icons at 1x, enlarged; below: the same panel at twice the pixel density</source>
        <translation>En haut : les icônes à 1x, agrandies ; en bas : le même panneau à double densité de pixels</translation>
    </message>
    <message>
        <source>By keyboard: Tab has reached the COM1 room button (the dotted mark); Space or Return joins</source>
        <translation>Au clavier : Tab a atteint le bouton du salon COM1 (le repère pointillé) ; Espace ou Entrée le rejoint</translation>
    </message>
    <message>
        <source>All channels to the speaker</source>
        <translation>Tous les canaux sur haut-parleur</translation>
    </message>
    <message>
        <source>After a restart: the remembered channels, newest first</source>
        <translation>Après un redémarrage : les canaux mémorisés, les plus récents d&apos;abord</translation>
    </message>
</context>
<context>
    <name>norvo::Accessibility</name>
    <message>
        <source>Voice panel</source>
        <translation>Panneau vocal</translation>
    </message>
    <message>
        <source>Free channel</source>
        <translation>Canal libre</translation>
    </message>
    <message>
        <source>%1 room</source>
        <translation>%1 : salon</translation>
    </message>
    <message>
        <source>%1 receive</source>
        <translation>%1 : réception</translation>
    </message>
    <message>
        <source>%1 transmit</source>
        <translation>%1 : émission</translation>
    </message>
    <message>
        <source>%1 priority</source>
        <translation>%1 : priorité</translation>
    </message>
    <message>
        <source>%1 to speaker</source>
        <translation>%1 : haut-parleur</translation>
    </message>
    <message>
        <source>%1 receive activity</source>
        <translation>%1 : activité en réception</translation>
    </message>
    <message>
        <source>%1 send activity</source>
        <translation>%1 : activité en émission</translation>
    </message>
    <message>
        <source>%1 frequency</source>
        <translation>%1 : fréquence</translation>
    </message>
    <message>
        <source>Free channel room name</source>
        <translation>Nom du salon du canal libre</translation>
    </message>
    <message>
        <source>Type a room name or frequency, then press Enter to join it</source>
        <translation>Saisissez un nom de salon ou une fréquence, puis appuyez sur Entrée pour le rejoindre</translation>
    </message>
    <message>
        <source>All channels to speaker</source>
        <translation>Tous les canaux sur haut-parleur</translation>
    </message>
    <message>
        <source>Close panel</source>
        <translation>Fermer le panneau</translation>
    </message>
    <message>
        <source>Receive activity</source>
        <translation>Activité en réception</translation>
    </message>
    <message>
        <source>Send activity</source>
        <translation>Activité en émission</translation>
    </message>
</context>
<context>
    <name>norvo::SettingsProblem</name>
    <message>
        <source>cannot read the settings file %1 (%2); it is left as it is and the remembered channels are not saved</source>
        <translation>impossible de lire le fichier de réglages %1 (%2) ; il est laissé tel quel et les canaux mémorisés ne sont pas enregistrés</translation>
    </message>
    <message>
        <source>the settings file %1 does not parse (%2); it is left as it is and the remembered channels are not saved</source>
        <translation>le fichier de réglages %1 est mal formé (%2) ; il est laissé tel quel et les canaux mémorisés ne sont pas enregistrés</translation>
    </message>
    <message>
        <source>cannot write the settings file %1 (%2); the remembered channels are kept only until the panel closes</source>
        <translation>impossible d&apos;écrire le fichier de réglages %1 (%2) ; les canaux mémorisés ne sont conservés que jusqu&apos;à la fermeture du panneau</translation>
    </message>
</context>
<context>
    <name>norvo::TOKA</name>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Kicked</source>
        <translation>Expulsé</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Connecté à %1</translation>
    </message>
    <message>
        <source>Connected: %2</source>
        <translation>Connecté : %2</translation>
    </message>
    <message>
        <source>Connected to %1: %2</source>
        <translation>Connecté à %1 : %2</translation>
    </message>
    <message>
        <source>Voice Emission Activity</source>
        <translation>Activité vocale en émission</translation>
    </message>
    <message>
        <source>Voice Reception Activity</source>
        <translation>Activité vocale en réception</translation>
    </message>
    <message>
        <source>Voice to Speaker</source>
        <translation>Voix sur haut-parleur</translation>
    </message>
    <message>
        <source>All Channels to Speaker</source>
        <translation>Tous les canaux sur haut-parleur</translation>
    </message>
    <message>
        <source>COM Transmit and mute</source>
        <translation>Émission COM et coupure</translation>
    </message>
    <message>
        <source>COM Receive and mute</source>
        <translation>Réception COM et coupure</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Channel Prioritary</source>
        <translation>Canal prioritaire</translation>
    </message>
    <message>
        <source>Receive mute</source>
        <translation>Couper la réception</translation>
    </message>
    <message>
        <source>Transmit mute</source>
        <translation>Couper l&apos;émission</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>VATSIM Voice only works connected to VATSIM</source>
        <translation>VATSIM Voice exige une connexion à VATSIM</translation>
    </message>
</context>
</TS>
