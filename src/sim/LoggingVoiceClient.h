#pragma once

#include "voice/VoiceClient.h"
#include "voice/VoiceEvents.h"

#include <functional>
#include <string>

namespace norvo {

// Passes every call through to another voice client and every event back
// from it, writing one line for each: "Norvo.GetLong(9) = 2",
// "Norvo.UnlockObject()", "Norvo.GetLong(99) failed: why" (then rethrown),
// "event ObjectValueChanged(7, 9)". Lets a host show what its panel calls.
class LoggingVoiceClient : public VoiceClient, private VoiceEvents {
public:
    using LineSink = std::function<void(const std::string&)>;

    LoggingVoiceClient(VoiceClient& inner, LineSink write);
    ~LoggingVoiceClient() override;
    LoggingVoiceClient(const LoggingVoiceClient&) = delete;
    LoggingVoiceClient& operator=(const LoggingVoiceClient&) = delete;

    void setEventSink(VoiceEvents* sink) override;
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
    void Disconnected() override;
    void Connected() override;
    void MainPilotUserDeleted() override;
    void MainPilotUserChanged() override;
    void MainPilotUserCreated() override;
    void ObjectCreated(std::int32_t handle) override;
    void ObjectDeleted(std::int32_t handle) override;
    void ObjectTextChanged(std::int32_t handle, std::int32_t index) override;
    void ObjectValueChanged(std::int32_t handle, std::int32_t index) override;

    // Runs the call and writes its line; show turns a result into text.
    template <class Call, class Show> auto logged(const std::string& what, Call&& call, Show&& show);
    template <class Call> void logged(const std::string& what, Call&& call);
    void event(const std::string& what);

    VoiceClient& inner_;
    LineSink write_;
    VoiceEvents* sink_ = nullptr;
};

} // namespace norvo
