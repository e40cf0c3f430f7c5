#pragma once

#include "voice/VoiceClient.h"
#include "voice/VoiceEventSink.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvo {

// A voice client that holds what it is told and nothing more: it never acts
// on its own and raises only the events it is told to raise. Used by tests, benchmarks and panel
// scripts; wrap it in a LoggingVoiceClient to see the calls made on it.
//
// Object values are read and written on the object locked last; reading
// without the matching lock fails, as it would against a real client.
// SetReceiveBoth(True) makes the receive selection "B"; SetReceiveBoth(False)
// makes it the transmit selection when that is "1" or "2", else "1".
// SetTransmitRadio(N) makes the transmit selection the text of N.
class InMemoryVoiceClient : public VoiceClient {
public:
    struct Pilot {
        std::string receive = "1";
        std::string transmit = "1";
        std::string com1;
        std::string com2;
    };
    struct Object {
        std::string type;
        std::string name;
        std::map<std::int32_t, std::int32_t> longs;
        std::map<std::int32_t, std::string> texts;
    };

    // What the client holds.
    void setPilot(std::optional<Pilot> pilot) { pilot_ = std::move(pilot); }
    const std::optional<Pilot>& pilot() const { return pilot_; }
    void addObject(std::int32_t handle, std::string type, std::string name);
    void removeObject(std::int32_t handle) { objects_.erase(handle); }
    void setLong(std::int32_t handle, std::int32_t index, std::int32_t value);
    void setText(std::int32_t handle, std::int32_t index, const std::string& value);
    std::int32_t longValue(std::int32_t handle, std::int32_t index) const;
    std::string textValue(std::int32_t handle, std::int32_t index) const;
    bool hasObject(std::int32_t handle) const { return objects_.count(handle) != 0; }

    // The next call of that member fails (each request fails one call).
    // Throws std::invalid_argument for a name that is not a member.
    void failNext(std::string_view member);
    static bool isMember(std::string_view member);
    // The next call of that member raises the event on the sink from inside
    // the call, before anything else, as a client with its own threads or
    // message loop may do; several wait for the same call in order. Throws
    // std::invalid_argument for a name that is not a member.
    void raiseDuring(std::string_view member, const VoiceEvent& event);

    bool pilotLocked() const { return pilotLocked_; }
    std::optional<std::int32_t> lockedObject() const { return lockedObject_; }
    VoiceEventSink* eventSink() const { return sink_; }

    void setEventSink(VoiceEventSink* sink) override { sink_ = sink; }
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
    // Every call starts here: raises the events waiting for the member, then
    // throws when a failure of the member is pending.
    void enterCall(std::string_view member);
    [[noreturn]] static void fail(std::string_view member, const std::string& why);
    Pilot& lockedPilot(std::string_view member);
    Object& locked(std::string_view member);

    VoiceEventSink* sink_ = nullptr;
    std::optional<Pilot> pilot_;
    std::map<std::int32_t, Object> objects_;
    std::map<std::string, int, std::less<>> pendingFailures_;
    std::map<std::string, std::vector<VoiceEvent>, std::less<>> pendingEvents_;
    bool pilotLocked_ = false;
    std::optional<std::int32_t> lockedObject_;
};

} // namespace norvo
