#pragma once

#include "voice/VoiceClient.h"
#include "voice/VoiceEventSink.h"

#include <exception>
#include <functional>
#include <string>

namespace norvo {

// Passes every call through to another voice client and every event back
// from it, writing one line for each: "Norvo.GetLong(9) = 2",
// "Norvo.UnlockObject()", "Norvo.GetLong(99) failed: why" (then rethrown;
// without ": why" when the reasons are left out), "event
// ObjectValueChanged(7, 9)" (unless left out: events are no calls of the
// panel). Lets a host or a test see what its panel calls.
class LoggingVoiceClient : public VoiceClient, private VoiceEventSink {
public:
    using LineSink = std::function<void(const std::string&)>;
    enum class FailureReasons { Written, LeftOut };
    enum class EventLines { Written, LeftOut };

    LoggingVoiceClient(VoiceClient& inner, LineSink write, FailureReasons reasons = FailureReasons::Written,
        EventLines events = EventLines::Written);
    ~LoggingVoiceClient() override;
    LoggingVoiceClient(const LoggingVoiceClient&) = delete;
    LoggingVoiceClient& operator=(const LoggingVoiceClient&) = delete;

    // Where the events go on to, unlogged when raised here.
    VoiceEventSink* eventSink() const { return sink_; }

    void setEventSink(VoiceEventSink* sink) override;
    void Attach() override;
    void BeginUpdates() override;
    void RequestRefresh() override;
    void Detach() override;
    bool LockMainPilotUser(std::int32_t reserved) override;
    void UnlockMainPilotUser() override;
    std::string ReceiveRadio() override;
    std::string TransmitRadio() override;
    std::string Com1Frequency() override;
    std::string Com2Frequency() override;
    void SetReceiveBoth(bool both) override;
    void SetTransmitRadio(std::int32_t radio) override;
    bool LockObject(std::int32_t& handle) override;
    void UnlockObject() override;
    std::string ObjectType() override;
    std::string ObjectName() override;
    std::string GetString(std::int32_t index) override;
    void SetString(std::int32_t index, const std::string& value) override;
    std::int32_t GetLong(std::int32_t index) override;
    void SetLong(std::int32_t index, std::int32_t value) override;

private:
    void receive(const VoiceEvent& event) override;

    // Runs the call and writes its line; show turns a result into text.
    template <class Call, class Show> auto logged(const std::string& what, Call&& call, Show&& show);
    template <class Call> void logged(const std::string& what, Call&& call);
    void failed(const std::string& what, const std::exception& error);

    VoiceClient& inner_;
    LineSink write_;
    FailureReasons reasons_;
    EventLines events_;
    VoiceEventSink* sink_ = nullptr;
};

} // namespace norvo
