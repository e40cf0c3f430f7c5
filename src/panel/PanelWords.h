#pragma once

#include "platform/TextCatalogue.h"

#include <string>

namespace norvo {

// Every text of the panel that a person reads, asked of the host's catalogue
// once, when the panel is made: the panel compares what it would show with
// what it shows, and these stay put for its life. COMM1, COMM2 and the radios'
// names COM1 and COM2 are what pilots read in any language: they are no words
// of the catalogue.
struct PanelWords {
    explicit PanelWords(const TextCatalogue& catalogue);

    // What an indicator's colour tells the eye, as tooltips and to assistive
    // technology.
    std::string on;
    std::string off;
    std::string muted;
    std::string offline;
    std::string pending;
    std::string connected;
    std::string failed;
    std::string kicked;
    std::string active;
    std::string inactive;
    std::string notConnected;
    // A connected room's words with its name (%1), its information (%2) or
    // both; `connected` when it has neither.
    std::string connectedTo;
    std::string connectedWithInfo;
    std::string connectedToWithInfo;

    // The tooltips and the caption of the controls.
    std::string emissionActivityTip;
    std::string receptionActivityTip;
    std::string speakerTip;
    std::string allToSpeakerTip;
    std::string radioTransmitTip;
    std::string radioReceiveTip;
    std::string connectionTip;
    std::string priorityTip;
    std::string receiveMuteTip;
    std::string transmitMuteTip;
    std::string closeTip;
    std::string voiceOnlyWarning;

    // The controls' names for assistive technology; a row's controls are
    // patterns on the row's name (%1: COM1, COM2 or freeChannel).
    std::string voicePanel;
    std::string freeChannel;
    std::string rowRoom;
    std::string rowReceive;
    std::string rowTransmit;
    std::string rowPriority;
    std::string rowToSpeaker;
    std::string rowReceiveActivity;
    std::string rowSendActivity;
    std::string rowFrequency;
    std::string freeChannelName;
    std::string freeChannelHint;
    std::string allChannelsToSpeaker;
    std::string closePanel;
    std::string receiveActivity;
    std::string sendActivity;
};

} // namespace norvo
