#pragma once

#include "panel/PanelControls.h"
#include "panel/PanelWords.h"
#include "panel/VoiceObject.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace norvo {

class RadioDisplay;
class RememberedChannels;

// The rooms of the bound object: each slot's state, activity, mute, priority
// and speaker routing, the activity bars, whether the rooms show at all, and
// each room's name and information for the user.
class RoomDisplay {
public:
    RoomDisplay(VoiceObject& voice, const PanelControls& controls, const PanelWords& words, RadioDisplay& radios,
        RememberedChannels& channels)
        : voice_(voice)
        , c_(controls)
        , words_(words)
        , radios_(radios)
        , channels_(channels)
    {
    }

    // The item refresh: repaints what one property of the object shows,
    // nothing for another object's handle. It reacts to value changes, and
    // runs after every command's write and for each property right after
    // binding.
    void Norvo_ObjectValueChanged(std::int32_t handle, std::int32_t index);
    // The information-text refresh of one slot's room.
    void Norvo_ObjectTextChanged(std::int32_t handle, std::int32_t index);

    // No room shows: the room frames, both bars and the general speaker
    // button hidden.
    void hideRooms();

private:
    void showVoiceEnabled();
    void showSpeakers();
    void showSendBar();
    void showRoomState(std::int32_t slot, std::int32_t index);
    // A room's activity box, idle while the room is not connected; a receive
    // activity also updates the receive bar.
    void showRoomActivity(bool receive, std::int32_t slot, std::int32_t index);
    void showMute(bool receive, std::int32_t slot, std::int32_t index);
    void showPriority(std::int32_t slot, std::int32_t index);
    // A connected room's name and information on its tooltip and in its
    // button's words.
    void showRoom(std::int32_t slot, const std::string& name, const std::string& info);
    // A connected room, read under the caller's lock; a joined free channel
    // also shows its name in the box and is remembered.
    void showJoinedRoom(std::int32_t slot);

    VoiceObject& voice_;
    const PanelControls& c_;
    const PanelWords& words_;
    RadioDisplay& radios_;
    RememberedChannels& channels_;
    // Each slot's texts as showRoom() last built them, and from what: they
    // follow from the room's name and information alone (the words stay put
    // for the panel's life), and a refresh mostly finds both as they were.
    // The free channel's name is the room it joined last, as the client
    // named it.
    struct ShownRoom {
        std::string name;
        std::string info;
        std::string tip;
        std::string words;
    };
    std::array<std::optional<ShownRoom>, Slots::Shown> shown_;
};

} // namespace norvo
