#include "panel/PanelWords.h"

namespace norvo {

// The contexts and texts stand in the calls themselves, where the catalogue
// tools of a host (Qt's lupdate among them) find them.
PanelWords::PanelWords(const TextCatalogue& t)
    : on(t.translate("norvo::TOKA", "On"))
    , off(t.translate("norvo::TOKA", "Off"))
    , muted(t.translate("norvo::TOKA", "Muted"))
    , offline(t.translate("norvo::TOKA", "Offline"))
    , pending(t.translate("norvo::TOKA", "Pending"))
    , connected(t.translate("norvo::TOKA", "Connected"))
    , failed(t.translate("norvo::TOKA", "Failed"))
    , kicked(t.translate("norvo::TOKA", "Kicked"))
    , active(t.translate("norvo::TOKA", "Active"))
    , inactive(t.translate("norvo::TOKA", "Inactive"))
    , notConnected(t.translate("norvo::TOKA", "Not connected"))
    , connectedTo(t.translate("norvo::TOKA", "Connected to %1"))
    , connectedWithInfo(t.translate("norvo::TOKA", "Connected: %2"))
    , connectedToWithInfo(t.translate("norvo::TOKA", "Connected to %1: %2"))
    , emissionActivityTip(t.translate("norvo::TOKA", "Voice Emission Activity"))
    , receptionActivityTip(t.translate("norvo::TOKA", "Voice Reception Activity"))
    , speakerTip(t.translate("norvo::TOKA", "Voice to Speaker"))
    , allToSpeakerTip(t.translate("norvo::TOKA", "All Channels to Speaker"))
    , radioTransmitTip(t.translate("norvo::TOKA", "COM Transmit and mute"))
    , radioReceiveTip(t.translate("norvo::TOKA", "COM Receive and mute"))
    , connectionTip(t.translate("norvo::TOKA", "Connection"))
    , priorityTip(t.translate("norvo::TOKA", "Channel Prioritary"))
    , receiveMuteTip(t.translate("norvo::TOKA", "Receive mute"))
    , transmitMuteTip(t.translate("norvo::TOKA", "Transmit mute"))
    , closeTip(t.translate("norvo::TOKA", "ok"))
    , voiceOnlyWarning(t.translate("norvo::TOKA", "VATSIM Voice only works connected to VATSIM"))
    , voicePanel(t.translate("norvo::Accessibility", "Voice panel"))
    , freeChannel(t.translate("norvo::Accessibility", "Free channel"))
    , rowRoom(t.translate("norvo::Accessibility", "%1 room"))
    , rowReceive(t.translate("norvo::Accessibility", "%1 receive"))
    , rowTransmit(t.translate("norvo::Accessibility", "%1 transmit"))
    , rowPriority(t.translate("norvo::Accessibility", "%1 priority"))
    , rowToSpeaker(t.translate("norvo::Accessibility", "%1 to speaker"))
    , rowReceiveActivity(t.translate("norvo::Accessibility", "%1 receive activity"))
    , rowSendActivity(t.translate("norvo::Accessibility", "%1 send activity"))
    , rowFrequency(t.translate("norvo::Accessibility", "%1 frequency"))
    , freeChannelName(t.translate("norvo::Accessibility", "Free channel room name"))
    , freeChannelHint(t.translate("norvo::Accessibility", "Type a room name or frequency, then press Enter to join it"))
    , allChannelsToSpeaker(t.translate("norvo::Accessibility", "All channels to speaker"))
    , closePanel(t.translate("norvo::Accessibility", "Close panel"))
    , receiveActivity(t.translate("norvo::Accessibility", "Receive activity"))
    , sendActivity(t.translate("norvo::Accessibility", "Send activity"))
{
}

} // namespace norvo
