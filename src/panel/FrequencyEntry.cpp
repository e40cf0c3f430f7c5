#include "panel/PanelText.h"
#include "panel/TokaControls.h"
#include "panel/VoiceLock.h"

namespace norvo {

namespace {

constexpr std::int16_t Enter = 13;
using Block = VoiceObjectLayout::Block;

} // namespace

// Picking a remembered room only fills the box; Enter sends it.
void TOKA::FreqInfo_Click(std::int16_t) { }

void TOKA::FreqInfo_KeyPress(std::int16_t index, std::int16_t& keyAscii)
{
    if (keyAscii == Enter)
        events_.runHandler([&] { joinTypedRoom(index); });
}

void TOKA::joinTypedRoom(std::int16_t index)
{
    VoiceClient& voice = env_.voice;
    const auto box = [&]() -> ComboBox& { return Controls::element(controls_->FreqInfo, index, "FreqInfo"); };

    // Leave the current room first, and show that.
    std::int32_t state = 0;
    bool left = false;
    withObjectLock(voice, voiceHandle_, [&] {
        box().setSelStart(0);
        box().setSelLength(0);
        state = layout_.index(Block::Room, index);
        left = voice.GetLong(state) == RoomState::Connected;
        if (left)
            voice.SetLong(state, RoomState::Offline);
    });
    if (left)
        refreshValue(state);

    // Then ask for the typed room, also when it is the one just left.
    const bool bound = withObjectLock(voice, voiceHandle_, [&] {
        state = layout_.index(Block::Room, index);
        voice.SetLong(state, RoomState::Pending);
        voice.SetString(layout_.index(Block::Room, index), std::string(trimSpaces(box().text())));
    });
    if (bound)
        refreshValue(state);
}

} // namespace norvo
