#include "panel/PanelText.h"
#include "panel/PropertyIndex.h"
#include "panel/TokaControls.h"
#include "panel/VoiceLock.h"

namespace norvo {

namespace {

constexpr std::int16_t Enter = 13;

} // namespace

// Picking a remembered room only fills the box; Enter sends it.
void TOKA::FreqInfo_Click(std::int16_t) { }

void TOKA::FreqInfo_KeyPress(std::int16_t index, std::int16_t& keyAscii)
{
    if (keyAscii != Enter)
        return;
    VoiceClient& voice = env_.voice;
    const auto box = [&]() -> ComboBox& { return Controls::element(controls_->FreqInfo, index, "FreqInfo"); };

    // Leave the current room first, and show that.
    {
        ObjectLock lock(voice, fields_.VoiceHandle);
        if (lock) {
            box().setSelStart(0);
            box().setSelLength(0);
            const std::int32_t state = slotProperty(fields_.StateBase, index);
            const bool connected = voice.GetLong(state) == RoomState::Connected;
            if (connected)
                voice.SetLong(state, RoomState::Offline);
            lock.release();
            if (connected)
                Norvo_ObjectValueChanged(fields_.VoiceHandle, state);
        }
    }

    // Then ask for the typed room, also when it is the one just left.
    std::int32_t state = 0;
    {
        ObjectLock lock(voice, fields_.VoiceHandle);
        if (!lock)
            return;
        state = slotProperty(fields_.StateBase, index);
        voice.SetLong(state, RoomState::Pending);
        voice.SetString(slotProperty(fields_.NameBase, index), trimSpaces(box().text()));
        lock.release();
    }
    Norvo_ObjectValueChanged(fields_.VoiceHandle, state);
}

} // namespace norvo
