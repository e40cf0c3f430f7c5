#include "sim/SimulatedVoiceClient.h"

#include "platform/CheckedMath.h"

#include <stdexcept>

namespace norvo {

namespace {

using Block = VoiceObjectLayout::Block;

// Large enough for any layout worth simulating, small enough to allocate.
constexpr std::int32_t MaxSlots = 64;
constexpr std::int32_t MaxProperties = 1 << 16;

std::string number(std::int32_t value) { return std::to_string(value); }

std::string call(const char* member, const std::string& arguments = {})
{
    return std::string(member) + "(" + arguments + ")";
}

} // namespace

SimulatedVoiceClient::SimulatedVoiceClient(SimulationOptions options)
    : options_(std::move(options))
    , contract_(options_.checkContract)
    , random_(options_.seed)
{
    const std::int32_t a = options_.slotCount;
    const std::int32_t b = options_.firstIndex;
    if (a < 0 || a > MaxSlots)
        throw std::invalid_argument("slot count " + number(a) + " outside 0 to " + number(MaxSlots));
    if (b < HeaderIndex::Size)
        throw std::invalid_argument("first block index " + number(b) + " inside the header");
    if (options_.connectDelay < 0)
        throw std::invalid_argument("negative connect delay");
    layout_ = VoiceObjectLayout(a, b);
    propertyCount_ = checkedAdd(layout_.last(), 1);
    if (propertyCount_ > MaxProperties)
        throw std::invalid_argument("a voice object of " + number(propertyCount_) + " properties");

    pilot_ = Pilot{"1", "1", options_.com1, options_.com2};
    timers_.resize(static_cast<std::size_t>(a));
    objects_.push_back(makeDecoyObject());
    createVoiceObject();
}

// Events

void SimulatedVoiceClient::queue(VoiceEvent event)
{
    const bool isUpdate = event.kind == VoiceEvent::Kind::ObjectValueChanged
        || event.kind == VoiceEvent::Kind::ObjectTextChanged || event.kind == VoiceEvent::Kind::MainPilotUserChanged;
    if (!attached_ || (isUpdate && !updates_))
        return;
    const bool wasEmpty = queue_.empty();
    queue_.push_back(event);
    if (wasEmpty && onEventsQueued)
        onEventsQueued();
}

void SimulatedVoiceClient::queueStructural(VoiceEvent::Kind kind, std::int32_t handle)
{
    queue(VoiceEvent{kind, handle, 0});
}

std::size_t SimulatedVoiceClient::deliverEvents()
{
    // A lock left by a host handler that did not say it ended.
    endHandler();
    std::size_t delivered = 0;
    while (!queue_.empty()) {
        const VoiceEvent event = queue_.front();
        queue_.pop_front();
        if (!sink_)
            continue;
        contract_.setHandler(event.describe());
        sink_->receive(event);
        ++delivered;
        endHandler();
    }
    return delivered;
}

void SimulatedVoiceClient::endHandler()
{
    // The holder keeps the name of the handler that took the lock.
    contract_.setHandler({});
    contract_.handlerEnded();
}

// Objects and values

std::int32_t SimulatedVoiceClient::newHandle()
{
    const std::int32_t handle = nextHandle_;
    nextHandle_ = checkedAdd(nextHandle_, 1);
    return handle;
}

SimulatedVoiceClient::Object SimulatedVoiceClient::makeDecoyObject()
{
    // Another voice object of the client, which a panel must leave alone.
    Object decoy{newHandle(), "VOICE", "INTERCOM", std::vector<std::int32_t>(HeaderIndex::Size),
        std::vector<std::string>(HeaderIndex::Size)};
    decoy.longs[HeaderIndex::FirstIndex] = HeaderIndex::Size;
    return decoy;
}

SimulatedVoiceClient::Object SimulatedVoiceClient::makeVoiceObject()
{
    const auto size = static_cast<std::size_t>(propertyCount_);
    Object object{newHandle(), "VOICE", "TOKA", std::vector<std::int32_t>(size), std::vector<std::string>(size)};
    object.longs[HeaderIndex::SlotCount] = layout_.slotCount();
    object.longs[HeaderIndex::FirstIndex] = layout_.base(Block::Room);
    object.longs[HeaderIndex::VoiceEnabled] = 1;
    object.longs[HeaderIndex::SpeakerRouting] = 1;
    object.longs[HeaderIndex::Transmitting] = pushToTalk_ ? 1 : 0;
    return object;
}

SimulatedVoiceClient::Object* SimulatedVoiceClient::find(std::int32_t handle)
{
    for (Object& object : objects_)
        if (object.handle == handle)
            return &object;
    return nullptr;
}

SimulatedVoiceClient::Object* SimulatedVoiceClient::voiceObject()
{
    return voiceHandle_ == 0 ? nullptr : find(voiceHandle_);
}

const SimulatedVoiceClient::Object* SimulatedVoiceClient::voiceObject() const
{
    return const_cast<SimulatedVoiceClient*>(this)->voiceObject();
}

std::int32_t SimulatedVoiceClient::value(std::int32_t index) const
{
    const Object* object = voiceObject();
    return object && index >= 0 && index < propertyCount_ ? object->longs[static_cast<std::size_t>(index)] : 0;
}

std::string SimulatedVoiceClient::text(std::int32_t index) const
{
    const Object* object = voiceObject();
    return object && index >= 0 && index < propertyCount_ ? object->texts[static_cast<std::size_t>(index)]
                                                          : std::string{};
}

void SimulatedVoiceClient::checkSlot(std::int32_t slot) const
{
    if (slot < 0 || slot >= layout_.slotCount())
        throw std::invalid_argument("no room slot " + number(slot));
}

std::int32_t SimulatedVoiceClient::roomState(std::int32_t slot) const
{
    checkSlot(slot);
    return value(layout_.index(Block::Room, slot));
}

void SimulatedVoiceClient::storeIn(Object& object, std::int32_t index, std::int32_t value)
{
    auto& stored = object.longs[static_cast<std::size_t>(index)];
    if (stored == value)
        return;
    stored = value;
    queue(VoiceEvent{VoiceEvent::Kind::ObjectValueChanged, object.handle, index});
}

void SimulatedVoiceClient::storeTextIn(Object& object, std::int32_t index, const std::string& text)
{
    auto& stored = object.texts[static_cast<std::size_t>(index)];
    if (stored == text)
        return;
    stored = text;
    queue(VoiceEvent{VoiceEvent::Kind::ObjectTextChanged, object.handle, index});
}

void SimulatedVoiceClient::store(std::int32_t index, std::int32_t value)
{
    if (Object* object = voiceObject())
        storeIn(*object, index, value);
}

void SimulatedVoiceClient::storeText(std::int32_t index, const std::string& text)
{
    if (Object* object = voiceObject())
        storeTextIn(*object, index, text);
}

// The voice client interface

void SimulatedVoiceClient::Attach() { attached_ = true; }

void SimulatedVoiceClient::BeginUpdates() { updates_ = true; }

void SimulatedVoiceClient::RequestRefresh()
{
    if (pilotPresent_)
        queueStructural(VoiceEvent::Kind::MainPilotUserCreated);
    if (!networkUp_)
        return;
    queueStructural(VoiceEvent::Kind::Connected);
    for (const Object& object : objects_)
        queueStructural(VoiceEvent::Kind::ObjectCreated, object.handle);
}

void SimulatedVoiceClient::Detach()
{
    attached_ = false;
    updates_ = false;
    queue_.clear();
}

bool SimulatedVoiceClient::LockMainPilotUser(std::int32_t reserved)
{
    const std::string name = call("LockMainPilotUser", number(reserved));
    contract_.beforeLock(ContractChecker::Lock::Pilot, name);
    pilotLocked_ = pilotPresent_;
    contract_.afterLock(ContractChecker::Lock::Pilot, name, pilotLocked_);
    return pilotLocked_;
}

void SimulatedVoiceClient::UnlockMainPilotUser()
{
    contract_.beforeUnlock(ContractChecker::Lock::Pilot, call("UnlockMainPilotUser"));
    pilotLocked_ = false;
}

SimulatedVoiceClient::Pilot& SimulatedVoiceClient::pilotForCall(const std::string& name)
{
    contract_.access(ContractChecker::Lock::Pilot, name);
    if (!pilotLocked_ || !pilotPresent_)
        throw VoiceClientError(name + ": the main pilot user is not locked");
    return pilot_;
}

std::string SimulatedVoiceClient::ReceiveRadio() { return pilotForCall(call("ReceiveRadio")).receive; }
std::string SimulatedVoiceClient::TransmitRadio() { return pilotForCall(call("TransmitRadio")).transmit; }
std::string SimulatedVoiceClient::Com1Frequency() { return pilotForCall(call("Com1Frequency")).com1; }
std::string SimulatedVoiceClient::Com2Frequency() { return pilotForCall(call("Com2Frequency")).com2; }

void SimulatedVoiceClient::SetReceiveBoth(bool both)
{
    Pilot& pilot = pilotForCall(call("SetReceiveBoth", both ? "True" : "False"));
    // Leaving "both" keeps the transmit radio heard.
    const std::string receive = both ? "B" : (pilot.transmit == "1" || pilot.transmit == "2") ? pilot.transmit : "1";
    if (receive == pilot.receive)
        return;
    pilot.receive = receive;
    pilotChanged();
}

void SimulatedVoiceClient::SetTransmitRadio(std::int32_t radio)
{
    const std::string name = call("SetTransmitRadio", number(radio));
    Pilot& pilot = pilotForCall(name);
    if (radio != 1 && radio != 2)
        throw VoiceClientError(name + ": there is no radio " + number(radio));
    if (pilot.transmit == number(radio))
        return;
    pilot.transmit = number(radio);
    pilotChanged();
}

bool SimulatedVoiceClient::LockObject(std::int32_t& handle)
{
    const std::string name = call("LockObject", number(handle));
    contract_.beforeLock(ContractChecker::Lock::Object, name);
    const bool granted = handle != 0 && find(handle) != nullptr;
    lockedObject_ = granted ? std::optional<std::int32_t>(handle) : std::nullopt;
    contract_.afterLock(ContractChecker::Lock::Object, name, granted);
    return granted;
}

void SimulatedVoiceClient::UnlockObject()
{
    contract_.beforeUnlock(ContractChecker::Lock::Object, call("UnlockObject"));
    lockedObject_.reset();
}

SimulatedVoiceClient::Object& SimulatedVoiceClient::objectForCall(const std::string& name)
{
    contract_.access(ContractChecker::Lock::Object, name);
    Object* object = lockedObject_ ? find(*lockedObject_) : nullptr;
    if (!object)
        throw VoiceClientError(name + ": no object is locked");
    return *object;
}

void SimulatedVoiceClient::checkIndex(const Object& object, std::int32_t index, const std::string& name) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= object.longs.size())
        throw VoiceClientError(name + ": the object has no property " + number(index));
}

std::string SimulatedVoiceClient::ObjectType() { return objectForCall(call("ObjectType")).type; }
std::string SimulatedVoiceClient::ObjectName() { return objectForCall(call("ObjectName")).name; }

std::string SimulatedVoiceClient::GetString(std::int32_t index)
{
    const std::string name = call("GetString", number(index));
    const Object& object = objectForCall(name);
    checkIndex(object, index, name);
    return object.texts[static_cast<std::size_t>(index)];
}

std::int32_t SimulatedVoiceClient::GetLong(std::int32_t index)
{
    const std::string name = call("GetLong", number(index));
    const Object& object = objectForCall(name);
    checkIndex(object, index, name);
    return object.longs[static_cast<std::size_t>(index)];
}

void SimulatedVoiceClient::SetLong(std::int32_t index, std::int32_t value)
{
    const std::string name = call("SetLong", number(index) + ", " + number(value));
    Object& object = objectForCall(name);
    checkIndex(object, index, name);
    if (object.handle != voiceHandle_) {
        storeIn(object, index, value);
        return;
    }
    const bool networkOwned = index == HeaderIndex::SlotCount || index == HeaderIndex::FirstIndex
        || index == HeaderIndex::VoiceEnabled || index == HeaderIndex::Transmitting
        || layout_.slotIn(Block::ReceiveActivity, index) || layout_.slotIn(Block::SendActivity, index);
    if (networkOwned)
        throw VoiceClientError(name + ": property " + number(index) + " is read-only");
    if (const auto slot = layout_.slotIn(Block::Room, index)) {
        if (value == RoomState::Pending)
            requestRoom(*slot);
        else if (value == RoomState::Offline && roomState(*slot) != RoomState::Offline)
            leaveRoom(*slot, RoomState::Offline);
        else if (value != RoomState::Offline)
            throw VoiceClientError(name + ": a room is asked for (1) or left (0), nothing else");
        return;
    }
    storeIn(object, index, value);
    if (layout_.slotIn(Block::TransmitMute, index))
        updateSendActivity();
}

void SimulatedVoiceClient::SetString(std::int32_t index, const std::string& value)
{
    const std::string name = call("SetString", number(index) + ", \"" + value + "\"");
    Object& object = objectForCall(name);
    checkIndex(object, index, name);
    if (object.handle == voiceHandle_) {
        const auto named = layout_.slotIn(Block::Room, index);
        // The rooms of the radios follow their frequencies; information
        // comes from the rooms.
        if ((named && *named < 2) || layout_.slotIn(Block::Info, index))
            throw VoiceClientError(name + ": text " + number(index) + " is read-only");
    }
    storeTextIn(object, index, value);
}

} // namespace norvo
