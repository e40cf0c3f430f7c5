#include "panel/FrequencyEntry.h"

#include "panel/RoomDisplay.h"
#include "platform/KeyAscii.h"
#include "platform/TrimSpaces.h"

#include <string>

namespace norvo {

void FrequencyEntry::FreqInfo_Click(std::int16_t) { }

void FrequencyEntry::FreqInfo_KeyPress(std::int16_t index, std::int16_t& keyAscii)
{
    if (keyAscii != KeyAscii::Enter)
        return;
    using Block = VoiceObject::Block;
    VoiceClient& client = voice_.client();
    const auto box = [&]() -> ComboBox& { return PanelControls::element(c_.FreqInfo, index, "FreqInfo"); };

    // Leave the current room first, and show that.
    std::int32_t state = 0;
    bool left = false;
    voice_.whileObjectLocked([&] {
        box().setSelStart(0);
        box().setSelLength(0);
        state = voice_.index(Block::Room, index);
        left = voice_.value(state) == RoomState::Connected;
        if (left)
            client.SetLong(state, RoomState::Offline);
    });
    if (left)
        rooms_.Norvo_ObjectValueChanged(voice_.handle(), state);

    // Then ask for the typed room, also when it is the one just left.
    const bool bound = voice_.whileObjectLocked([&] {
        state = voice_.index(Block::Room, index);
        client.SetLong(state, RoomState::Pending);
        client.SetString(voice_.index(Block::Room, index), std::string(trimSpaces(box().text())));
    });
    if (bound)
        rooms_.Norvo_ObjectValueChanged(voice_.handle(), state);
}

} // namespace norvo
