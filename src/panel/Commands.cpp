#include "panel/PropertyIndex.h"
#include "panel/TokaControls.h"
#include "panel/VoiceLock.h"

#include <string>

namespace norvo {

namespace {

// The radio a button of a radio row stands for: "1" for slot 0, "2" for slot 1.
std::string radioDigit(std::int16_t slot) { return std::to_string(slot + 1); }

} // namespace

void TOKA::PriorityChannel_Click(std::int16_t index) { toggleFlag(fields_.PriorityBase, index); }

void TOKA::ToSpeaker_Click(std::int16_t index) { toggleFlag(fields_.SpeakerBase, index); }

void TOKA::GeneralSpeaker_Click() { toggleFlag(HeaderIndex::AllToSpeaker, 0); }

void TOKA::COMReceive_Click(std::int16_t index)
{
    if (index >= 2)
        toggleFlag(fields_.ReceiveBase, index);
    else
        radioReceiveCommand(index);
}

void TOKA::COMTransmit_Click(std::int16_t index)
{
    if (index >= 2)
        toggleFlag(fields_.TransmitBase, index);
    else
        radioTransmitCommand(index);
}

void TOKA::toggleFlag(std::int32_t base, std::int16_t slot)
{
    std::int32_t index = 0;
    {
        ObjectLock lock(env_.voice, fields_.VoiceHandle);
        if (!lock)
            return;
        index = slotProperty(base, slot);
        flipFlag(index);
        lock.release();
    }
    Norvo_ObjectValueChanged(fields_.VoiceHandle, index);
}

void TOKA::flipFlag(std::int32_t index) { env_.voice.SetLong(index, env_.voice.GetLong(index) != 0 ? 0 : 1); }

// A click on a heard radio mutes or unmutes it when it is the only one heard
// or the transmit radio; otherwise it switches between one radio and both.
void TOKA::radioReceiveCommand(std::int16_t index)
{
    VoiceClient& voice = env_.voice;
    const std::string digit = radioDigit(index);
    {
        PilotLock pilot(voice, 0);
        if (!pilot)
            return;
        const std::string receive = voice.ReceiveRadio();
        const std::string transmit = voice.TransmitRadio();
        if (receive == digit || (receive == "B" && transmit == digit)) {
            pilot.release();
            changeRadioMute(fields_.ReceiveBase, index, true);
        } else {
            voice.SetReceiveBoth(receive != "B");
            pilot.release();
        }
    }
    Norvo_MainPilotUserChanged();
}

// A click on the transmit radio mutes or unmutes it; on the other radio it
// makes that one the transmit radio, never muted.
void TOKA::radioTransmitCommand(std::int16_t index)
{
    VoiceClient& voice = env_.voice;
    const std::string digit = radioDigit(index);
    {
        PilotLock pilot(voice, 0);
        if (!pilot)
            return;
        const std::string transmit = voice.TransmitRadio();
        const bool isTransmitRadio = transmit == digit || transmit == "B";
        if (!isTransmitRadio)
            voice.SetTransmitRadio(index + 1);
        pilot.release();
        changeRadioMute(fields_.TransmitBase, index, isTransmitRadio);
    }
    Norvo_MainPilotUserChanged();
}

void TOKA::changeRadioMute(std::int32_t base, std::int16_t slot, bool toggle)
{
    ObjectLock object(env_.voice, fields_.VoiceHandle);
    if (!object)
        return;
    const std::int32_t mute = slotProperty(base, slot);
    if (toggle)
        flipFlag(mute);
    else if (env_.voice.GetLong(mute) != 0)
        env_.voice.SetLong(mute, 0);
    object.release();
}

void TOKA::RoomStatus_Click(std::int16_t index)
{
    VoiceClient& voice = env_.voice;
    std::int32_t state = 0;
    {
        ObjectLock lock(voice, fields_.VoiceHandle);
        if (!lock)
            return;
        state = slotProperty(fields_.StateBase, index);
        if (voice.GetLong(state) != RoomState::Connected) {
            voice.SetLong(state, RoomState::Pending);
            // Only the free channel hands over a room name, as typed.
            if (index >= 2)
                voice.SetString(slotProperty(fields_.NameBase, index),
                    Controls::element(controls_->FreqInfo, index, "FreqInfo").text());
        } else {
            voice.SetLong(state, RoomState::Offline);
        }
        lock.release();
    }
    Norvo_ObjectValueChanged(fields_.VoiceHandle, state);
}

} // namespace norvo
