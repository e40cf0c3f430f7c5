<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>SimulationConsole</name>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>Wird verbunden</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Kicked</source>
        <translation>Ausgeschlossen</translation>
    </message>
    <message>
        <source>COM1 room</source>
        <translation>COM1-Raum</translation>
    </message>
    <message>
        <source>COM2 room</source>
        <translation>COM2-Raum</translation>
    </message>
    <message>
        <source>Free channel</source>
        <translation>Freier Kanal</translation>
    </message>
    <message>
        <source>TOKA demo: simulated voice network</source>
        <translation>TOKA-Demo: simuliertes Sprachfunknetz</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>Protokoll leeren</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Funkgeräte</translation>
    </message>
    <message>
        <source>Pilot present</source>
        <translation>Pilot anwesend</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Empfang</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Rooms</source>
        <translation>Räume</translation>
    </message>
    <message>
        <source>Force...</source>
        <translation>Erzwingen...</translation>
    </message>
    <message>
        <source>Kick</source>
        <translation>Ausschließen</translation>
    </message>
    <message>
        <source>Traffic</source>
        <translation>Funkverkehr</translation>
    </message>
    <message>
        <source>Someone starts or stops talking in the room</source>
        <translation>Jemand beginnt oder hört auf, im Raum zu sprechen</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Neue Info</translation>
    </message>
    <message>
        <source>The room&apos;s information text changes</source>
        <translation>Der Informationstext des Raums ändert sich</translation>
    </message>
    <message>
        <source>Random traffic</source>
        <translation>Zufälliger Funkverkehr</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Push to talk (hold)</source>
        <translation>Sprechtaste (halten)</translation>
    </message>
    <message>
        <source>Voice enabled</source>
        <translation>Sprache aktiviert</translation>
    </message>
    <message>
        <source>Speaker routing</source>
        <translation>Lautsprecherwahl</translation>
    </message>
    <message>
        <source>Network connected</source>
        <translation>Netzwerk verbunden</translation>
    </message>
    <message>
        <source>Delete voice object</source>
        <translation>Sprachobjekt löschen</translation>
    </message>
    <message>
        <source>Re-create voice object</source>
        <translation>Sprachobjekt neu anlegen</translation>
    </message>
    <message>
        <source>time %1 s   voice object %2   push-to-talk %3   contract breaches %4</source>
        <translation>Zeit %1 s   Sprachobjekt %2   Sprechtaste %3   Vertragsverstöße %4</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>down</source>
        <translation>gedrückt</translation>
    </message>
    <message>
        <source>up</source>
        <translation>losgelassen</translation>
    </message>
    <message>
        <source>settings: %1</source>
        <translation>Einstellungen: %1</translation>
    </message>
</context>
<context>
    <name>Tour</name>
    <message>
        <source>Network down: radios only, the free channel shows the warning</source>
        <translation>Netzwerk getrennt: nur die Funkgeräte, der freie Kanal zeigt die Warnung</translation>
    </message>
    <message>
        <source>Voice object bound: three rooms, all offline (grey)</source>
        <translation>Sprachobjekt gebunden: drei Räume, alle offline (grau)</translation>
    </message>
    <message>
        <source>COM1 room and free channel EGLL_TWR asked for: pending (teal)</source>
        <translation>COM1-Raum und freier Kanal EGLL_TWR angefordert: wird verbunden (blaugrün)</translation>
    </message>
    <message>
        <source>Connected (green); receiving on COM1 and the free channel, push-to-talk down</source>
        <translation>Verbunden (grün); Empfang auf COM1 und dem freien Kanal, Sprechtaste gedrückt</translation>
    </message>
    <message>
        <source>Free channel NOWHERE: no such room, failed (orange)</source>
        <translation>Freier Kanal NOWHERE: kein solcher Raum, fehlgeschlagen (orange)</translation>
    </message>
    <message>
        <source>COM1 room kicked by the network (red)</source>
        <translation>COM1-Raum vom Netzwerk ausgeschlossen (rot)</translation>
    </message>
    <message>
        <source>COM2 room to the speaker and prioritised; listening on both radios</source>
        <translation>COM2-Raum auf Lautsprecher und mit Vorrang; Empfang auf beiden Funkgeräten</translation>
    </message>
    <message>
        <source>Above: the icons at 1x, enlarged; below: the same panel at twice the pixel density</source>
        <translation>Oben: die Symbole bei 1x, vergrößert; unten: dasselbe Bedienfeld bei doppelter Pixeldichte</translation>
    </message>
    <message>
        <source>By keyboard: Tab has reached the COM1 room button (the dotted mark); Space or Return joins</source>
        <translation>Per Tastatur: Tab hat die Taste des COM1-Raums erreicht (die gepunktete Markierung); Leertaste oder Eingabetaste tritt bei</translation>
    </message>
    <message>
        <source>All channels to the speaker</source>
        <translation>Alle Kanäle auf Lautsprecher</translation>
    </message>
    <message>
        <source>After a restart: the remembered channels, newest first</source>
        <translation>Nach einem Neustart: die gemerkten Kanäle, neueste zuerst</translation>
    </message>
</context>
<context>
    <name>norvo::Accessibility</name>
    <message>
        <source>Voice panel</source>
        <translation>Bedienfeld Sprachfunk</translation>
    </message>
    <message>
        <source>Free channel</source>
        <translation>Freier Kanal</translation>
    </message>
    <message>
        <source>%1 room</source>
        <translation>%1: Raum</translation>
    </message>
    <message>
        <source>%1 receive</source>
        <translation>%1: Empfang</translation>
    </message>
    <message>
        <source>%1 transmit</source>
        <translation>%1: Senden</translation>
    </message>
    <message>
        <source>%1 priority</source>
        <translation>%1: Vorrang</translation>
    </message>
    <message>
        <source>%1 to speaker</source>
        <translation>%1: Lautsprecher</translation>
    </message>
    <message>
        <source>%1 receive activity</source>
        <translation>%1: Empfangsaktivität</translation>
    </message>
    <message>
        <source>%1 send activity</source>
        <translation>%1: Sendeaktivität</translation>
    </message>
    <message>
        <source>%1 frequency</source>
        <translation>%1: Frequenz</translation>
    </message>
    <message>
        <source>Free channel room name</source>
        <translation>Raumname des freien Kanals</translation>
    </message>
    <message>
        <source>Type a room name or frequency, then press Enter to join it</source>
        <translation>Raumnamen oder Frequenz eingeben, dann mit der Eingabetaste beitreten</translation>
    </message>
    <message>
        <source>All channels to speaker</source>
        <translation>Alle Kanäle auf Lautsprecher</translation>
    </message>
    <message>
        <source>Close panel</source>
        <translation>Bedienfeld schließen</translation>
    </message>
    <message>
        <source>Receive activity</source>
        <translation>Empfangsaktivität</translation>
    </message>
    <message>
        <source>Send activity</source>
        <translation>Sendeaktivität</translation>
    </message>
</context>
<context>
    <name>norvo::SettingsProblem</name>
    <message>
        <source>cannot read the settings file %1 (%2); it is left as it is and the remembered channels are not saved</source>
        <translation>die Einstellungsdatei %1 kann nicht gelesen werden (%2); sie bleibt unverändert, und die gemerkten Kanäle werden nicht gespeichert</translation>
    </message>
    <message>
        <source>the settings file %1 does not parse (%2); it is left as it is and the remembered channels are not saved</source>
        <translation>die Einstellungsdatei %1 ist fehlerhaft (%2); sie bleibt unverändert, und die gemerkten Kanäle werden nicht gespeichert</translation>
    </message>
    <message>
        <source>cannot write the settings file %1 (%2); the remembered channels are kept only until the panel closes</source>
        <translation>die Einstellungsdatei %1 kann nicht geschrieben werden (%2); die gemerkten Kanäle bleiben nur erhalten, bis das Bedienfeld schließt</translation>
    </message>
</context>
<context>
    <name>norvo::TOKA</name>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>Wird verbunden</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Kicked</source>
        <translation>Ausgeschlossen</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Verbunden mit %1</translation>
    </message>
    <message>
        <source>Connected: %2</source>
        <translation>Verbunden: %2</translation>
    </message>
    <message>
        <source>Connected to %1: %2</source>
        <translation>Verbunden mit %1: %2</translation>
    </message>
    <message>
        <source>Voice Emission Activity</source>
        <translation>Sprachaktivität beim Senden</translation>
    </message>
    <message>
        <source>Voice Reception Activity</source>
        <translation>Sprachaktivität beim Empfang</translation>
    </message>
    <message>
        <source>Voice to Speaker</source>
        <translation>Sprache auf Lautsprecher</translation>
    </message>
    <message>
        <source>All Channels to Speaker</source>
        <translation>Alle Kanäle auf Lautsprecher</translation>
    </message>
    <message>
        <source>COM Transmit and mute</source>
        <translation>COM senden und stummschalten</translation>
    </message>
    <message>
        <source>COM Receive and mute</source>
        <translation>COM empfangen und stummschalten</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Channel Prioritary</source>
        <translation>Vorrangkanal</translation>
    </message>
    <message>
        <source>Receive mute</source>
        <translation>Empfang stummschalten</translation>
    </message>
    <message>
        <source>Transmit mute</source>
        <translation>Senden stummschalten</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>VATSIM Voice only works connected to VATSIM</source>
        <translation>VATSIM Voice nur mit Verbindung zu VATSIM</translation>
    </message>
</context>
</TS>
