#include "panel/TokaControls.h"
#include "panel/VoiceLock.h"
#include "platform/CheckedMath.h"

#include <string>

namespace norvo {

namespace {

using Block = VoiceObjectLayout::Block;

// The radio a button of a radio row stands for: "1" for slot 0, "2" for slot 1.
std::string radioDigit(std::int16_t slot) { return std::to_string(slot + 1); }

} // namespace

void TOKA::PriorityChannel_Click(std::int16_t index)
{
    events_.runHandler([&] { toggleFlag(layout_.base(Block::Priority), index); });
}

void TOKA::ToSpeaker_Click(std::int16_t index)
{
    events_.runHandler([&] { toggleFlag(layout_.base(Block::Info), index); });
}

void TOKA::GeneralSpeaker_Click()
{
    events_.runHandler([&] { toggleFlag(HeaderIndex::AllToSpeaker, 0); });
}

void TOKA::COMReceive_Click(std::int16_t index)
{
    events_.runHandler([&] {
        if (index >= 2)
            toggleFlag(layout_.base(Block::ReceiveMute), index);
        else
            radioReceiveCommand(index);
    });
}

void TOKA::COMTransmit_Click(std::int16_t index)
{
    events_.runHandler([&] {
        if (index >= 2)
            toggleFlag(layout_.base(Block::TransmitMute), index);
        else
            radioTransmitCommand(index);
    });
}

void TOKA::toggleFlag(std::int32_t base, std::int16_t slot)
{
    std::int32_t index = 0;
    const bool bound = withObjectLock(env_.voice, voiceHandle_, [&] {
        index = checkedAdd(base, slot);
        flipFlag(index);
    });
    if (bound)
        refreshValue(index);
}

void TOKA::flipFlag(std::int32_t index) { env_.voice.SetLong(index, env_.voice.GetLong(index) != 0 ? 0 : 1); }

// A click on a heard radio mutes or unmutes it when it is the only one heard
// or the transmit radio; otherwise it switches between one radio and both.
void TOKA::radioReceiveCommand(std::int16_t index)
{
    VoiceClient& voice = env_.voice;
    const std::string digit = radioDigit(index);
    bool toggleMute = false;
    const bool pilotPresent = withPilotLock(voice, [&] {
        const std::string receive = voice.ReceiveRadio();
        const std::string transmit = voice.TransmitRadio();
        toggleMute = receive == digit || (receive == "B" && transmit == digit);
        if (!toggleMute)
            voice.SetReceiveBoth(receive != "B");
    });
    if (!pilotPresent)
        return;
    // Never both locks at once: the mute is changed after the pilot's unlock.
    if (toggleMute)
        changeRadioMute(Block::ReceiveMute, index, true);
    refreshRadios();
}

// A click on the transmit radio mutes or unmutes it; on the other radio it
// makes that one the transmit radio, never muted.
void TOKA::radioTransmitCommand(std::int16_t index)
{
    VoiceClient& voice = env_.voice;
    const std::string digit = radioDigit(index);
    bool isTransmitRadio = false;
    const bool pilotPresent = withPilotLock(voice, [&] {
        const std::string transmit = voice.TransmitRadio();
        isTransmitRadio = transmit == digit || transmit == "B";
        if (!isTransmitRadio)
            voice.SetTransmitRadio(index + 1);
    });
    if (!pilotPresent)
        return;
    changeRadioMute(Block::TransmitMute, index, isTransmitRadio);
    refreshRadios();
}

void TOKA::changeRadioMute(Block block, std::int16_t slot, bool toggle)
{
    withObjectLock(env_.voice, voiceHandle_, [&] {
        const std::int32_t mute = layout_.index(block, slot);
        if (toggle)
            flipFlag(mute);
        else if (env_.voice.GetLong(mute) != 0)
            env_.voice.SetLong(mute, 0);
    });
}

void TOKA::RoomStatus_Click(std::int16_t index)
{
    events_.runHandler([&] { roomCommand(index); });
}

void TOKA::roomCommand(std::int16_t index)
{
    VoiceClient& voice = env_.voice;
    std::int32_t state = 0;
    const bool bound = withObjectLock(voice, voiceHandle_, [&] {
        state = layout_.index(Block::Room, index);
        if (voice.GetLong(state) != RoomState::Connected) {
            voice.SetLong(state, RoomState::Pending);
            // Only the free channel hands over a room name, as typed.
            if (index >= 2)
                voice.SetString(layout_.index(Block::Room, index),
                    Controls::element(controls_->FreqInfo, index, "FreqInfo").text());
        } else {
            voice.SetLong(state, RoomState::Offline);
        }
    });
    if (bound)
        refreshValue(state);
}

} // namespace norvo
