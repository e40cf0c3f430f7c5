#include "sim/SimulatedVoiceClient.h"
#include "sim/SimulatedVoiceClientPrivate.h"
#include "voice/Slots.h"

namespace norvo {

namespace {

using Block = VoiceObjectLayout::Block;
using Kind = VoiceEvent::Kind;

std::string number(std::int32_t value) { return std::to_string(value); }

// A call as the contract checker and the errors name it: "GetLong(9)".
std::string call(const char* member, const std::string& arguments = {})
{
    return std::string(member) + "(" + arguments + ")";
}

} // namespace

SimulatedVoiceClient::SimulatedVoiceClient(SimulationOptions options)
    : d(std::make_unique<SimulatedVoiceClientPrivate>(options))
{
}

SimulatedVoiceClient::~SimulatedVoiceClient() = default;

// Time and events

std::int64_t SimulatedVoiceClient::now() const { return d->schedule.now(); }
void SimulatedVoiceClient::advance(std::int64_t milliseconds) { d->rooms.advance(milliseconds); }

std::optional<std::int64_t> SimulatedVoiceClient::nextDue() const
{
    const auto next = d->schedule.next();
    return next ? std::optional<std::int64_t>(next->due) : std::nullopt;
}

std::size_t SimulatedVoiceClient::queuedEvents() const { return d->events.size(); }
std::size_t SimulatedVoiceClient::deliverEvents() { return d->events.deliver(); }
void SimulatedVoiceClient::setOnEventsQueued(std::function<void()> wake) { d->events.setOnQueued(std::move(wake)); }
void SimulatedVoiceClient::beginHandler(std::string name) { d->events.beginHandler(std::move(name)); }
void SimulatedVoiceClient::endHandler() { d->events.endHandler(); }
ContractChecker& SimulatedVoiceClient::contract() { return d->contract; }
const ContractChecker& SimulatedVoiceClient::contract() const { return d->contract; }

// What the network holds

const VoiceObjectLayout& SimulatedVoiceClient::layout() const { return d->layout; }
bool SimulatedVoiceClient::networkUp() const { return d->objects.networkUp(); }
std::int32_t SimulatedVoiceClient::voiceHandle() const { return d->objects.voiceHandle(); }
std::int32_t SimulatedVoiceClient::value(std::int32_t index) const { return d->objects.value(index); }
std::string SimulatedVoiceClient::text(std::int32_t index) const { return d->objects.text(index); }
std::int32_t SimulatedVoiceClient::roomState(std::int32_t slot) const { return d->rooms.state(slot); }
const PilotRadios& SimulatedVoiceClient::pilot() const { return d->pilot.radios(); }
bool SimulatedVoiceClient::pilotPresent() const { return d->pilot.present(); }
bool SimulatedVoiceClient::pushToTalk() const { return d->rooms.pushToTalk(); }
bool SimulatedVoiceClient::randomActivity() const { return d->rooms.randomActivity(); }
bool SimulatedVoiceClient::pilotLocked() const { return d->locks.pilotLocked(); }
std::optional<std::int32_t> SimulatedVoiceClient::lockedObject() const { return d->locks.lockedObject(); }

// Steering

void SimulatedVoiceClient::setFrequency(std::int32_t radio, const std::string& frequency)
{
    if (d->pilot.tune(radio, frequency))
        d->rooms.followFrequency(radio - 1);
}

void SimulatedVoiceClient::setSelections(const std::string& receive, const std::string& transmit)
{
    if (d->pilot.select(receive, transmit))
        d->rooms.updateSendActivity();
}

void SimulatedVoiceClient::setPilotPresent(bool present)
{
    if (d->pilot.setPresent(present))
        d->rooms.updateSendActivity();
}

void SimulatedVoiceClient::setPushToTalk(bool pressed) { d->rooms.setPushToTalk(pressed); }
void SimulatedVoiceClient::setRandomActivity(bool on) { d->rooms.setRandomActivity(on); }
void SimulatedVoiceClient::forceRoomState(std::int32_t slot, std::int32_t state) { d->rooms.force(slot, state); }
bool SimulatedVoiceClient::kick(std::int32_t slot) { return d->rooms.kick(slot); }

bool SimulatedVoiceClient::setReceiveActivity(std::int32_t slot, std::int32_t activity)
{
    return d->rooms.setReceiveActivity(slot, activity);
}

void SimulatedVoiceClient::setRoomInfo(std::int32_t slot, const std::string& info) { d->rooms.setInfo(slot, info); }

void SimulatedVoiceClient::setValue(std::int32_t index, std::int32_t value)
{
    if (index < 0 || index >= d->objects.propertyCount())
        throw std::invalid_argument("the voice object has no property " + number(index));
    d->objects.store(index, value);
}

void SimulatedVoiceClient::setText(std::int32_t index, const std::string& text)
{
    if (index < 0 || index >= d->objects.propertyCount())
        throw std::invalid_argument("the voice object has no property " + number(index));
    d->objects.storeText(index, text);
}

// A new or vanished voice object takes nothing pending with it.

void SimulatedVoiceClient::disconnectNetwork()
{
    if (d->objects.disconnect())
        d->schedule.cancelAll();
}

void SimulatedVoiceClient::connectNetwork()
{
    if (d->objects.connect(d->rooms.pushToTalk()))
        d->schedule.cancelAll();
}

void SimulatedVoiceClient::deleteVoiceObject()
{
    if (d->objects.deleteVoiceObject())
        d->schedule.cancelAll();
}

bool SimulatedVoiceClient::createVoiceObject()
{
    if (!d->objects.createVoiceObject(d->rooms.pushToTalk()))
        return false;
    d->schedule.cancelAll();
    return true;
}

// The voice client interface

void SimulatedVoiceClient::setEventSink(VoiceEventSink* sink) { d->events.setSink(sink); }
void SimulatedVoiceClient::Attach() { d->events.attach(); }
void SimulatedVoiceClient::BeginUpdates() { d->events.beginUpdates(); }

void SimulatedVoiceClient::RequestRefresh()
{
    if (d->pilot.present())
        d->events.push({Kind::MainPilotUserCreated});
    d->objects.announce();
}

void SimulatedVoiceClient::Detach() { d->events.detach(); }

bool SimulatedVoiceClient::LockMainPilotUser(std::int32_t reserved)
{
    return d->locks.lockPilot(call("LockMainPilotUser", number(reserved)));
}

void SimulatedVoiceClient::UnlockMainPilotUser() { d->locks.unlockPilot(call("UnlockMainPilotUser")); }

std::string SimulatedVoiceClient::ReceiveRadio() { return d->locks.radiosFor(call("ReceiveRadio")).receive; }

std::string SimulatedVoiceClient::TransmitRadio() { return d->locks.radiosFor(call("TransmitRadio")).transmit; }

std::string SimulatedVoiceClient::Com1Frequency() { return d->locks.radiosFor(call("Com1Frequency")).com1; }

std::string SimulatedVoiceClient::Com2Frequency() { return d->locks.radiosFor(call("Com2Frequency")).com2; }

void SimulatedVoiceClient::SetReceiveBoth(bool both)
{
    d->locks.radiosFor(call("SetReceiveBoth", both ? "True" : "False"));
    if (d->pilot.setReceiveBoth(both))
        d->rooms.updateSendActivity();
}

void SimulatedVoiceClient::SetTransmitRadio(std::int32_t radio)
{
    const std::string name = call("SetTransmitRadio", number(radio));
    d->locks.radiosFor(name);
    if (radio != 1 && radio != 2)
        throw VoiceClientError(name + ": there is no radio " + number(radio));
    if (d->pilot.setTransmitRadio(radio))
        d->rooms.updateSendActivity();
}

bool SimulatedVoiceClient::LockObject(std::int32_t& handle)
{
    return d->locks.lockObject(handle, call("LockObject", number(handle)));
}

void SimulatedVoiceClient::UnlockObject() { d->locks.unlockObject(call("UnlockObject")); }
std::string SimulatedVoiceClient::ObjectType() { return d->locks.objectFor(call("ObjectType")).type(); }
std::string SimulatedVoiceClient::ObjectName() { return d->locks.objectFor(call("ObjectName")).name(); }

std::string SimulatedVoiceClient::GetString(std::int32_t index)
{
    const std::string name = call("GetString", number(index));
    const SimulatedObject& object = d->locks.objectFor(name);
    object.checkIndex(index, name);
    return object.text(index);
}

std::int32_t SimulatedVoiceClient::GetLong(std::int32_t index)
{
    const std::string name = call("GetLong", number(index));
    const SimulatedObject& object = d->locks.objectFor(name);
    object.checkIndex(index, name);
    return object.value(index);
}

void SimulatedVoiceClient::SetLong(std::int32_t index, std::int32_t value)
{
    const std::string name = call("SetLong", number(index) + ", " + number(value));
    SimulatedObject& object = d->locks.objectFor(name);
    object.checkIndex(index, name);
    if (object.handle() != d->objects.voiceHandle()) {
        d->objects.storeIn(object, index, value);
        return;
    }
    // What the network itself keeps up to date.
    const VoiceObjectLayout& layout = d->layout;
    const bool networkOwned = index == HeaderIndex::SlotCount || index == HeaderIndex::FirstIndex
        || index == HeaderIndex::VoiceEnabled || index == HeaderIndex::Transmitting
        || layout.slotIn(Block::ReceiveActivity, index) || layout.slotIn(Block::SendActivity, index);
    if (networkOwned)
        throw VoiceClientError(name + ": property " + number(index) + " is read-only");
    if (const auto slot = layout.slotIn(Block::Room, index)) {
        if (value == RoomState::Pending)
            d->rooms.request(*slot);
        else if (value == RoomState::Offline && d->rooms.state(*slot) != RoomState::Offline)
            d->rooms.leave(*slot, RoomState::Offline);
        else if (value != RoomState::Offline)
            throw VoiceClientError(name + ": a room is asked for (1) or left (0), nothing else");
        return;
    }
    d->objects.storeIn(object, index, value);
    if (layout.slotIn(Block::TransmitMute, index))
        d->rooms.updateSendActivity();
}

void SimulatedVoiceClient::SetString(std::int32_t index, const std::string& value)
{
    const std::string name = call("SetString", number(index) + ", \"" + value + "\"");
    SimulatedObject& object = d->locks.objectFor(name);
    object.checkIndex(index, name);
    if (object.handle() == d->objects.voiceHandle()) {
        const auto named = d->layout.slotIn(Block::Room, index);
        // The rooms of the radios follow their frequencies; information
        // comes from the rooms.
        if ((named && Slots::isRadio(*named)) || d->layout.slotIn(Block::Info, index))
            throw VoiceClientError(name + ": text " + number(index) + " is read-only");
    }
    d->objects.storeTextIn(object, index, value);
}

} // namespace norvo
