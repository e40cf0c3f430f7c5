#include "sim/SimulatedVoiceClient.h"

#include <stdexcept>

// Steering the network and the pilot's radios from outside.

namespace norvo {

void SimulatedVoiceClient::pilotChanged()
{
    queueStructural(VoiceEvent::Kind::MainPilotUserChanged);
    updateSendActivity();
}

void SimulatedVoiceClient::setFrequency(std::int32_t radio, const std::string& frequency)
{
    if (radio != 1 && radio != 2)
        throw std::invalid_argument("there is no radio " + std::to_string(radio));
    std::string& tuned = radio == 1 ? pilot_.com1 : pilot_.com2;
    if (tuned == frequency)
        return;
    tuned = frequency;
    if (pilotPresent_)
        queueStructural(VoiceEvent::Kind::MainPilotUserChanged);
    // A radio's room follows its frequency: one in use is joined anew.
    const std::int32_t slot = radio - 1;
    if (slot < layout_.slotCount() && voiceObject()) {
        const std::int32_t state = roomState(slot);
        if (state == RoomState::Pending || state == RoomState::Connected)
            requestRoom(slot);
    }
}

void SimulatedVoiceClient::setSelections(const std::string& receive, const std::string& transmit)
{
    if (pilot_.receive == receive && pilot_.transmit == transmit)
        return;
    pilot_.receive = receive;
    pilot_.transmit = transmit;
    if (pilotPresent_)
        pilotChanged();
}

void SimulatedVoiceClient::setPilotPresent(bool present)
{
    if (pilotPresent_ == present)
        return;
    pilotPresent_ = present;
    queueStructural(present ? VoiceEvent::Kind::MainPilotUserCreated : VoiceEvent::Kind::MainPilotUserDeleted);
    updateSendActivity();
}

void SimulatedVoiceClient::setPushToTalk(bool pressed)
{
    pushToTalk_ = pressed;
    updateSendActivity();
}

void SimulatedVoiceClient::setValue(std::int32_t index, std::int32_t value)
{
    if (index < 0 || index >= propertyCount_)
        throw std::invalid_argument("the voice object has no property " + std::to_string(index));
    store(index, value);
}

void SimulatedVoiceClient::setText(std::int32_t index, const std::string& text)
{
    if (index < 0 || index >= propertyCount_)
        throw std::invalid_argument("the voice object has no property " + std::to_string(index));
    storeText(index, text);
}

void SimulatedVoiceClient::disconnectNetwork()
{
    if (!networkUp_)
        return;
    networkUp_ = false;
    objects_.clear();
    voiceHandle_ = 0;
    resetTimers();
    queueStructural(VoiceEvent::Kind::Disconnected);
}

void SimulatedVoiceClient::connectNetwork()
{
    if (networkUp_)
        return;
    networkUp_ = true;
    queueStructural(VoiceEvent::Kind::Connected);
    objects_.push_back(makeDecoyObject());
    queueStructural(VoiceEvent::Kind::ObjectCreated, objects_.back().handle);
    createVoiceObject();
}

void SimulatedVoiceClient::deleteVoiceObject()
{
    if (voiceHandle_ == 0)
        return;
    const std::int32_t handle = voiceHandle_;
    std::erase_if(objects_, [&](const Object& object) { return object.handle == handle; });
    voiceHandle_ = 0;
    resetTimers();
    queueStructural(VoiceEvent::Kind::ObjectDeleted, handle);
}

bool SimulatedVoiceClient::createVoiceObject()
{
    if (!networkUp_ || voiceHandle_ != 0)
        return false;
    objects_.push_back(makeVoiceObject());
    voiceHandle_ = objects_.back().handle;
    resetTimers();
    queueStructural(VoiceEvent::Kind::ObjectCreated, voiceHandle_);
    return true;
}

} // namespace norvo
