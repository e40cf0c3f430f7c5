#pragma once

#include "panel/PanelControls.h"
#include "panel/VoiceObject.h"

#include <cstdint>

namespace norvo {

class RadioDisplay;
class RoomDisplay;

// The user's commands on the slot rows' buttons and the general speaker
// button: each reads the current value from the voice client, writes the new
// one, and then has the display refresh what it wrote. The index is the
// button's slot.
class Commands {
public:
    Commands(VoiceObject& voice, const PanelControls& controls, RadioDisplay& radios, RoomDisplay& rooms)
        : voice_(voice)
        , c_(controls)
        , radios_(radios)
        , rooms_(rooms)
    {
    }

    void PriorityChannel_Click(std::int16_t index);
    void ToSpeaker_Click(std::int16_t index);
    void GeneralSpeaker_Click();
    // A radio's button selects or mutes the radio; the free channel's mutes.
    void COMReceive_Click(std::int16_t index);
    void COMTransmit_Click(std::int16_t index);
    // Leaves a connected room, asks for a room that is not.
    void RoomStatus_Click(std::int16_t index);

private:
    // Flips the flag at base + slot under the object lock, then refreshes it.
    void toggleFlag(std::int32_t base, std::int16_t slot);
    void flipFlag(std::int32_t index);
    void radioReceiveCommand(std::int16_t index);
    void radioTransmitCommand(std::int16_t index);
    // Under the object lock while one is bound: flips a radio slot's mute
    // flag, or (toggle false) clears it when set.
    void changeRadioMute(VoiceObject::Block block, std::int16_t slot, bool toggle);

    VoiceObject& voice_;
    const PanelControls& c_;
    RadioDisplay& radios_;
    RoomDisplay& rooms_;
};

} // namespace norvo
