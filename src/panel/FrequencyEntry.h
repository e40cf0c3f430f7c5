#pragma once

#include "panel/PanelControls.h"
#include "panel/VoiceObject.h"

#include <cstdint>

namespace norvo {

class RoomDisplay;

// The free channel's room name, typed or picked from the remembered rooms:
// Enter joins it.
class FrequencyEntry {
public:
    FrequencyEntry(VoiceObject& voice, const PanelControls& controls, RoomDisplay& rooms)
        : voice_(voice)
        , c_(controls)
        , rooms_(rooms)
    {
    }

    // Picking a remembered room only fills the box; Enter sends it.
    void FreqInfo_Click(std::int16_t index);
    // On Enter: leaves the slot's room when connected, then asks for the
    // typed one, without its spaces; every other key passes.
    void FreqInfo_KeyPress(std::int16_t index, std::int16_t& keyAscii);

private:
    VoiceObject& voice_;
    const PanelControls& c_;
    RoomDisplay& rooms_;
};

} // namespace norvo
