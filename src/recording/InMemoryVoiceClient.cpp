#include "recording/InMemoryVoiceClient.h"
#include "voice/RadioSelection.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace norvo {

namespace {

constexpr std::array<std::string_view, 20> Members
    = {"Attach", "BeginUpdates", "RequestRefresh", "Detach", "LockMainPilotUser", "UnlockMainPilotUser", "ReceiveRadio",
        "TransmitRadio", "Com1Frequency", "Com2Frequency", "SetReceiveBoth", "SetTransmitRadio", "LockObject",
        "UnlockObject", "ObjectType", "ObjectName", "GetString", "SetString", "GetLong", "SetLong"};

std::string number(std::int32_t value) { return std::to_string(value); }

} // namespace

bool InMemoryVoiceClient::isMember(std::string_view member)
{
    return std::find(Members.begin(), Members.end(), member) != Members.end();
}

void InMemoryVoiceClient::addObject(std::int32_t handle, std::string type, std::string name)
{
    objects_[handle] = Object{std::move(type), std::move(name), {}, {}};
}

void InMemoryVoiceClient::setLong(std::int32_t handle, std::int32_t index, std::int32_t value)
{
    const auto found = objects_.find(handle);
    if (found == objects_.end())
        throw std::invalid_argument("no object with handle " + number(handle));
    found->second.longs[index] = value;
}

void InMemoryVoiceClient::setText(std::int32_t handle, std::int32_t index, const std::string& value)
{
    const auto found = objects_.find(handle);
    if (found == objects_.end())
        throw std::invalid_argument("no object with handle " + number(handle));
    found->second.texts[index] = value;
}

std::int32_t InMemoryVoiceClient::longValue(std::int32_t handle, std::int32_t index) const
{
    const auto object = objects_.find(handle);
    if (object == objects_.end())
        return 0;
    const auto value = object->second.longs.find(index);
    return value == object->second.longs.end() ? 0 : value->second;
}

std::string InMemoryVoiceClient::textValue(std::int32_t handle, std::int32_t index) const
{
    const auto object = objects_.find(handle);
    if (object == objects_.end())
        return {};
    const auto value = object->second.texts.find(index);
    return value == object->second.texts.end() ? std::string{} : value->second;
}

void InMemoryVoiceClient::failNext(std::string_view member)
{
    if (!isMember(member))
        throw std::invalid_argument("the voice client has no member " + std::string(member));
    ++pendingFailures_[std::string(member)];
}

void InMemoryVoiceClient::fail(std::string_view member, const std::string& why)
{
    throw VoiceClientError("Norvo." + std::string(member) + " failed: " + why);
}

void InMemoryVoiceClient::raiseDuring(std::string_view member, const VoiceEvent& event)
{
    if (!isMember(member))
        throw std::invalid_argument("the voice client has no member " + std::string(member));
    pendingEvents_[std::string(member)].push_back(event);
}

void InMemoryVoiceClient::enterCall(std::string_view member)
{
    if (const auto waiting = pendingEvents_.find(member); waiting != pendingEvents_.end()) {
        // Taken out first: a sink may call this member again.
        const std::vector<VoiceEvent> events = std::move(waiting->second);
        pendingEvents_.erase(waiting);
        for (const VoiceEvent& event : events)
            if (sink_)
                sink_->receive(event);
    }
    const auto pending = pendingFailures_.find(member);
    if (pending == pendingFailures_.end())
        return;
    if (--pending->second == 0)
        pendingFailures_.erase(pending);
    fail(member, "failure injected");
}

InMemoryVoiceClient::Pilot& InMemoryVoiceClient::lockedPilot(std::string_view member)
{
    enterCall(member);
    if (!pilotLocked_ || !pilot_)
        fail(member, "the main pilot user is not locked");
    return *pilot_;
}

InMemoryVoiceClient::Object& InMemoryVoiceClient::locked(std::string_view member)
{
    enterCall(member);
    const auto object = lockedObject_ ? objects_.find(*lockedObject_) : objects_.end();
    if (object == objects_.end())
        fail(member, "no object is locked");
    return object->second;
}

void InMemoryVoiceClient::Attach() { enterCall("Attach"); }

void InMemoryVoiceClient::BeginUpdates() { enterCall("BeginUpdates"); }

void InMemoryVoiceClient::RequestRefresh() { enterCall("RequestRefresh"); }

void InMemoryVoiceClient::Detach() { enterCall("Detach"); }

bool InMemoryVoiceClient::LockMainPilotUser(std::int32_t)
{
    enterCall("LockMainPilotUser");
    pilotLocked_ = pilot_.has_value();
    return pilotLocked_;
}

void InMemoryVoiceClient::UnlockMainPilotUser()
{
    enterCall("UnlockMainPilotUser");
    pilotLocked_ = false;
}

std::string InMemoryVoiceClient::ReceiveRadio() { return lockedPilot("ReceiveRadio").receive; }

std::string InMemoryVoiceClient::TransmitRadio() { return lockedPilot("TransmitRadio").transmit; }

std::string InMemoryVoiceClient::Com1Frequency() { return lockedPilot("Com1Frequency").com1; }

std::string InMemoryVoiceClient::Com2Frequency() { return lockedPilot("Com2Frequency").com2; }

void InMemoryVoiceClient::SetReceiveBoth(bool both)
{
    Pilot& pilot = lockedPilot("SetReceiveBoth");
    pilot.receive = RadioSelection::receiveAfter(both, pilot.transmit);
}

void InMemoryVoiceClient::SetTransmitRadio(std::int32_t radio)
{
    lockedPilot("SetTransmitRadio").transmit = number(radio);
}

bool InMemoryVoiceClient::LockObject(std::int32_t& handle)
{
    enterCall("LockObject");
    const bool exists = handle != 0 && objects_.count(handle) != 0;
    lockedObject_ = exists ? std::optional<std::int32_t>(handle) : std::nullopt;
    return exists;
}

void InMemoryVoiceClient::UnlockObject()
{
    enterCall("UnlockObject");
    lockedObject_.reset();
}

std::string InMemoryVoiceClient::ObjectType() { return locked("ObjectType").type; }

std::string InMemoryVoiceClient::ObjectName() { return locked("ObjectName").name; }

std::string InMemoryVoiceClient::GetString(std::int32_t index)
{
    const Object& object = locked("GetString");
    const auto value = object.texts.find(index);
    return value == object.texts.end() ? std::string{} : value->second;
}

void InMemoryVoiceClient::SetString(std::int32_t index, const std::string& value)
{
    locked("SetString").texts[index] = value;
}

std::int32_t InMemoryVoiceClient::GetLong(std::int32_t index)
{
    const Object& object = locked("GetLong");
    const auto value = object.longs.find(index);
    return value == object.longs.end() ? 0 : value->second;
}

void InMemoryVoiceClient::SetLong(std::int32_t index, std::int32_t value) { locked("SetLong").longs[index] = value; }

} // namespace norvo
