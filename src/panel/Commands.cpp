#include "panel/Commands.h"

#include "panel/RadioDisplay.h"
#include "panel/RoomDisplay.h"
#include "platform/CheckedMath.h"

#include <string>

namespace norvo {

namespace {

using Block = VoiceObject::Block;

// The radio a button of a radio row stands for: "1" for slot 0, "2" for slot 1.
std::string radioDigit(std::int16_t slot) { return std::to_string(slot + 1); }

} // namespace

void Commands::PriorityChannel_Click(std::int16_t index) { toggleFlag(voice_.layout().base(Block::Priority), index); }

void Commands::ToSpeaker_Click(std::int16_t index) { toggleFlag(voice_.layout().base(Block::Info), index); }

void Commands::GeneralSpeaker_Click() { toggleFlag(HeaderIndex::AllToSpeaker, 0); }

void Commands::COMReceive_Click(std::int16_t index)
{
    if (Slots::isRadio(index))
        radioReceiveCommand(index);
    else
        toggleFlag(voice_.layout().base(Block::ReceiveMute), index);
}

void Commands::COMTransmit_Click(std::int16_t index)
{
    if (Slots::isRadio(index))
        radioTransmitCommand(index);
    else
        toggleFlag(voice_.layout().base(Block::TransmitMute), index);
}

void Commands::RoomStatus_Click(std::int16_t index)
{
    VoiceClient& client = voice_.client();
    std::int32_t state = 0;
    const bool bound = voice_.whileObjectLocked([&] {
        state = voice_.index(Block::Room, index);
        if (voice_.value(state) != RoomState::Connected) {
            client.SetLong(state, RoomState::Pending);
            // Only the free channel hands over a room name, as typed.
            if (!Slots::isRadio(index))
                client.SetString(
                    voice_.index(Block::Room, index), PanelControls::element(c_.FreqInfo, index, "FreqInfo").text());
        } else {
            client.SetLong(state, RoomState::Offline);
        }
    });
    if (bound)
        rooms_.Norvo_ObjectValueChanged(voice_.handle(), state);
}

void Commands::toggleFlag(std::int32_t base, std::int16_t slot)
{
    std::int32_t index = 0;
    const bool bound = voice_.whileObjectLocked([&] {
        index = checkedAdd(base, slot);
        flipFlag(index);
    });
    if (bound)
        rooms_.Norvo_ObjectValueChanged(voice_.handle(), index);
}

void Commands::flipFlag(std::int32_t index) { voice_.client().SetLong(index, voice_.flag(index) ? 0 : 1); }

// A click on a heard radio mutes or unmutes it when it is the only one heard
// or the transmit radio; otherwise it switches between one radio and both.
void Commands::radioReceiveCommand(std::int16_t index)
{
    VoiceClient& client = voice_.client();
    const std::string digit = radioDigit(index);
    bool toggleMute = false;
    const bool pilotPresent = voice_.whilePilotLocked([&] {
        const std::string receive = client.ReceiveRadio();
        const std::string transmit = client.TransmitRadio();
        toggleMute = receive == digit || (receive == "B" && transmit == digit);
        if (!toggleMute)
            client.SetReceiveBoth(receive != "B");
    });
    if (!pilotPresent)
        return;
    // Never both locks at once: the mute is changed after the pilot's unlock.
    if (toggleMute)
        changeRadioMute(Block::ReceiveMute, index, true);
    radios_.Norvo_MainPilotUserChanged();
}

// A click on the transmit radio mutes or unmutes it; on the other radio it
// makes that one the transmit radio, never muted.
void Commands::radioTransmitCommand(std::int16_t index)
{
    VoiceClient& client = voice_.client();
    const std::string digit = radioDigit(index);
    bool isTransmitRadio = false;
    const bool pilotPresent = voice_.whilePilotLocked([&] {
        const std::string transmit = client.TransmitRadio();
        isTransmitRadio = transmit == digit || transmit == "B";
        if (!isTransmitRadio)
            client.SetTransmitRadio(index + 1);
    });
    if (!pilotPresent)
        return;
    changeRadioMute(Block::TransmitMute, index, isTransmitRadio);
    radios_.Norvo_MainPilotUserChanged();
}

void Commands::changeRadioMute(Block block, std::int16_t slot, bool toggle)
{
    voice_.whileObjectLocked([&] {
        const std::int32_t mute = voice_.index(block, slot);
        if (toggle)
            flipFlag(mute);
        else if (voice_.flag(mute))
            voice_.client().SetLong(mute, 0);
    });
}

} // namespace norvo
