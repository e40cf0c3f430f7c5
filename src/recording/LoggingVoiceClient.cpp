#include "recording/LoggingVoiceClient.h"

#include "recording/CallLog.h"

#include <exception>

namespace norvo {

namespace {

std::string number(std::int32_t value) { return std::to_string(value); }
std::string member(const char* name, const std::string& arguments = {})
{
    return std::string("Norvo.") + name + "(" + arguments + ")";
}

} // namespace

LoggingVoiceClient::LoggingVoiceClient(VoiceClient& inner, LineSink write, FailureReasons reasons, EventLines events)
    : inner_(inner)
    , write_(std::move(write))
    , reasons_(reasons)
    , events_(events)
{
}

LoggingVoiceClient::~LoggingVoiceClient()
{
    if (sink_)
        inner_.setEventSink(nullptr);
}

template <class Call, class Show> auto LoggingVoiceClient::logged(const std::string& what, Call&& call, Show&& show)
{
    try {
        auto result = call();
        write_(what + " = " + show(result));
        return result;
    } catch (const std::exception& error) {
        failed(what, error);
        throw;
    }
}

template <class Call> void LoggingVoiceClient::logged(const std::string& what, Call&& call)
{
    try {
        call();
        write_(what);
    } catch (const std::exception& error) {
        failed(what, error);
        throw;
    }
}

void LoggingVoiceClient::failed(const std::string& what, const std::exception& error)
{
    write_(reasons_ == FailureReasons::Written ? what + " failed: " + error.what() : what + " failed");
}

void LoggingVoiceClient::setEventSink(VoiceEventSink* sink)
{
    sink_ = sink;
    inner_.setEventSink(sink ? this : nullptr);
}

void LoggingVoiceClient::Attach()
{
    logged(member("Attach"), [&] { inner_.Attach(); });
}
void LoggingVoiceClient::BeginUpdates()
{
    logged(member("BeginUpdates"), [&] { inner_.BeginUpdates(); });
}
void LoggingVoiceClient::RequestRefresh()
{
    logged(member("RequestRefresh"), [&] { inner_.RequestRefresh(); });
}
void LoggingVoiceClient::Detach()
{
    logged(member("Detach"), [&] { inner_.Detach(); });
}

bool LoggingVoiceClient::LockMainPilotUser(std::int32_t reserved)
{
    return logged(
        member("LockMainPilotUser", number(reserved)), [&] { return inner_.LockMainPilotUser(reserved); },
        CallLog::boolean);
}

void LoggingVoiceClient::UnlockMainPilotUser()
{
    logged(member("UnlockMainPilotUser"), [&] { inner_.UnlockMainPilotUser(); });
}

std::string LoggingVoiceClient::ReceiveRadio()
{
    return logged(
        member("ReceiveRadio"), [&] { return inner_.ReceiveRadio(); }, CallLog::quote);
}
std::string LoggingVoiceClient::TransmitRadio()
{
    return logged(
        member("TransmitRadio"), [&] { return inner_.TransmitRadio(); }, CallLog::quote);
}
std::string LoggingVoiceClient::Com1Frequency()
{
    return logged(
        member("Com1Frequency"), [&] { return inner_.Com1Frequency(); }, CallLog::quote);
}
std::string LoggingVoiceClient::Com2Frequency()
{
    return logged(
        member("Com2Frequency"), [&] { return inner_.Com2Frequency(); }, CallLog::quote);
}

void LoggingVoiceClient::SetReceiveBoth(bool both)
{
    logged(member("SetReceiveBoth", CallLog::boolean(both)), [&] { inner_.SetReceiveBoth(both); });
}

void LoggingVoiceClient::SetTransmitRadio(std::int32_t radio)
{
    logged(member("SetTransmitRadio", number(radio)), [&] { inner_.SetTransmitRadio(radio); });
}

bool LoggingVoiceClient::LockObject(std::int32_t& handle)
{
    return logged(
        member("LockObject", number(handle)), [&] { return inner_.LockObject(handle); }, CallLog::boolean);
}

void LoggingVoiceClient::UnlockObject()
{
    logged(member("UnlockObject"), [&] { inner_.UnlockObject(); });
}

std::string LoggingVoiceClient::ObjectType()
{
    return logged(
        member("ObjectType"), [&] { return inner_.ObjectType(); }, CallLog::quote);
}
std::string LoggingVoiceClient::ObjectName()
{
    return logged(
        member("ObjectName"), [&] { return inner_.ObjectName(); }, CallLog::quote);
}

std::string LoggingVoiceClient::GetString(std::int32_t index)
{
    return logged(
        member("GetString", number(index)), [&] { return inner_.GetString(index); }, CallLog::quote);
}

void LoggingVoiceClient::SetString(std::int32_t index, const std::string& value)
{
    logged(member("SetString", number(index) + ", " + CallLog::quote(value)), [&] { inner_.SetString(index, value); });
}

std::int32_t LoggingVoiceClient::GetLong(std::int32_t index)
{
    return logged(
        member("GetLong", number(index)), [&] { return inner_.GetLong(index); }, number);
}

void LoggingVoiceClient::SetLong(std::int32_t index, std::int32_t value)
{
    logged(member("SetLong", number(index) + ", " + number(value)), [&] { inner_.SetLong(index, value); });
}

void LoggingVoiceClient::receive(const VoiceEvent& event)
{
    if (events_ == EventLines::Written)
        write_("event " + event.describe());
    sink_->receive(event);
}

} // namespace norvo
