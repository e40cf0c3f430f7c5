#include "voice/RecordingVoiceClient.h"

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

bool RecordingVoiceClient::isMember(std::string_view member)
{
    return std::find(Members.begin(), Members.end(), member) != Members.end();
}

void RecordingVoiceClient::addObject(std::int32_t handle, std::string type, std::string name)
{
    objects_[handle] = Object{std::move(type), std::move(name), {}, {}};
}

void RecordingVoiceClient::setLong(std::int32_t handle, std::int32_t index, std::int32_t value)
{
    const auto found = objects_.find(handle);
    if (found == objects_.end())
        throw std::invalid_argument("no object with handle " + number(handle));
    found->second.longs[index] = value;
}

void RecordingVoiceClient::setText(std::int32_t handle, std::int32_t index, const std::string& value)
{
    const auto found = objects_.find(handle);
    if (found == objects_.end())
        throw std::invalid_argument("no object with handle " + number(handle));
    found->second.texts[index] = value;
}

std::int32_t RecordingVoiceClient::longValue(std::int32_t handle, std::int32_t index) const
{
    const auto object = objects_.find(handle);
    if (object == objects_.end())
        return 0;
    const auto value = object->second.longs.find(index);
    return value == object->second.longs.end() ? 0 : value->second;
}

std::string RecordingVoiceClient::textValue(std::int32_t handle, std::int32_t index) const
{
    const auto object = objects_.find(handle);
    if (object == objects_.end())
        return {};
    const auto value = object->second.texts.find(index);
    return value == object->second.texts.end() ? std::string{} : value->second;
}

void RecordingVoiceClient::failNext(std::string_view member)
{
    if (!isMember(member))
        throw std::invalid_argument("the voice client has no member " + std::string(member));
    ++pendingFailures_[std::string(member)];
}

void RecordingVoiceClient::fail(std::string_view member, const std::string& arguments, const std::string& why)
{
    log_.add("Norvo." + std::string(member) + "(" + arguments + ") failed");
    throw VoiceClientError("Norvo." + std::string(member) + " failed: " + why);
}

void RecordingVoiceClient::checkFailure(std::string_view member, const std::string& arguments)
{
    const auto pending = pendingFailures_.find(member);
    if (pending == pendingFailures_.end())
        return;
    if (--pending->second == 0)
        pendingFailures_.erase(pending);
    fail(member, arguments, "failure injected");
}

void RecordingVoiceClient::logCall(std::string_view member, const std::string& arguments, const std::string& result)
{
    log_.add("Norvo." + std::string(member) + "(" + arguments + ")" + (result.empty() ? "" : " = " + result));
}

RecordingVoiceClient::Pilot& RecordingVoiceClient::lockedPilot(std::string_view member, const std::string& arguments)
{
    if (!pilotLocked_ || !pilot_)
        fail(member, arguments, "the main pilot user is not locked");
    return *pilot_;
}

RecordingVoiceClient::Object& RecordingVoiceClient::locked(std::string_view member, const std::string& arguments)
{
    const auto object = lockedObject_ ? objects_.find(*lockedObject_) : objects_.end();
    if (object == objects_.end())
        fail(member, arguments, "no object is locked");
    return object->second;
}

std::string RecordingVoiceClient::pilotText(std::string_view member, std::string Pilot::*field)
{
    checkFailure(member, "");
    const std::string value = lockedPilot(member, "").*field;
    logCall(member, "", CallLog::quote(value));
    return value;
}

std::string RecordingVoiceClient::objectText(std::string_view member, std::string Object::*field)
{
    checkFailure(member, "");
    const std::string value = locked(member, "").*field;
    logCall(member, "", CallLog::quote(value));
    return value;
}

void RecordingVoiceClient::Attach()
{
    checkFailure("Attach", "");
    logCall("Attach", "");
}

void RecordingVoiceClient::BeginUpdates()
{
    checkFailure("BeginUpdates", "");
    logCall("BeginUpdates", "");
}

void RecordingVoiceClient::RequestRefresh()
{
    checkFailure("RequestRefresh", "");
    logCall("RequestRefresh", "");
}

void RecordingVoiceClient::Detach()
{
    checkFailure("Detach", "");
    logCall("Detach", "");
}

bool RecordingVoiceClient::LockMainPilotUser(std::int32_t reserved)
{
    const std::string arguments = number(reserved);
    checkFailure("LockMainPilotUser", arguments);
    pilotLocked_ = pilot_.has_value();
    logCall("LockMainPilotUser", arguments, CallLog::boolean(pilotLocked_));
    return pilotLocked_;
}

void RecordingVoiceClient::UnlockMainPilotUser()
{
    checkFailure("UnlockMainPilotUser", "");
    pilotLocked_ = false;
    logCall("UnlockMainPilotUser", "");
}

std::string RecordingVoiceClient::ReceiveRadio() { return pilotText("ReceiveRadio", &Pilot::receive); }

std::string RecordingVoiceClient::TransmitRadio() { return pilotText("TransmitRadio", &Pilot::transmit); }

std::string RecordingVoiceClient::Com1Frequency() { return pilotText("Com1Frequency", &Pilot::com1); }

std::string RecordingVoiceClient::Com2Frequency() { return pilotText("Com2Frequency", &Pilot::com2); }

void RecordingVoiceClient::SetReceiveBoth(bool both)
{
    const std::string arguments = CallLog::boolean(both);
    checkFailure("SetReceiveBoth", arguments);
    Pilot& pilot = lockedPilot("SetReceiveBoth", arguments);
    if (both)
        pilot.receive = "B";
    else
        pilot.receive = (pilot.transmit == "1" || pilot.transmit == "2") ? pilot.transmit : "1";
    logCall("SetReceiveBoth", arguments);
}

void RecordingVoiceClient::SetTransmitRadio(std::int32_t radio)
{
    const std::string arguments = number(radio);
    checkFailure("SetTransmitRadio", arguments);
    lockedPilot("SetTransmitRadio", arguments).transmit = number(radio);
    logCall("SetTransmitRadio", arguments);
}

bool RecordingVoiceClient::LockObject(std::int32_t& handle)
{
    const std::string arguments = number(handle);
    checkFailure("LockObject", arguments);
    const bool exists = handle != 0 && objects_.count(handle) != 0;
    lockedObject_ = exists ? std::optional<std::int32_t>(handle) : std::nullopt;
    logCall("LockObject", arguments, CallLog::boolean(exists));
    return exists;
}

void RecordingVoiceClient::UnlockObject()
{
    checkFailure("UnlockObject", "");
    lockedObject_.reset();
    logCall("UnlockObject", "");
}

std::string RecordingVoiceClient::ObjectType() { return objectText("ObjectType", &Object::type); }

std::string RecordingVoiceClient::ObjectName() { return objectText("ObjectName", &Object::name); }

std::string RecordingVoiceClient::GetString(std::int32_t index)
{
    const std::string arguments = number(index);
    checkFailure("GetString", arguments);
    const Object& object = locked("GetString", arguments);
    const auto value = object.texts.find(index);
    const std::string text = value == object.texts.end() ? std::string{} : value->second;
    logCall("GetString", arguments, CallLog::quote(text));
    return text;
}

void RecordingVoiceClient::SetString(std::int32_t index, const std::string& value)
{
    const std::string arguments = number(index) + ", " + CallLog::quote(value);
    checkFailure("SetString", arguments);
    locked("SetString", arguments).texts[index] = value;
    logCall("SetString", arguments);
}

std::int32_t RecordingVoiceClient::GetLong(std::int32_t index)
{
    const std::string arguments = number(index);
    checkFailure("GetLong", arguments);
    const Object& object = locked("GetLong", arguments);
    const auto value = object.longs.find(index);
    const std::int32_t result = value == object.longs.end() ? 0 : value->second;
    logCall("GetLong", arguments, number(result));
    return result;
}

void RecordingVoiceClient::SetLong(std::int32_t index, std::int32_t value)
{
    const std::string arguments = number(index) + ", " + number(value);
    checkFailure("SetLong", arguments);
    locked("SetLong", arguments).longs[index] = value;
    logCall("SetLong", arguments);
}

} // namespace norvo
