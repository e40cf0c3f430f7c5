#pragma once

#include "sim/SimulatedVoiceClient.h"

#include <string>
#include <utility>
#include <vector>

namespace norvo::testing {

// Writes down each event it receives ("ObjectValueChanged(2, 9)") and whether
// the client held a lock at that moment.
class EventRecorder : public VoiceEvents {
public:
    explicit EventRecorder(SimulatedVoiceClient& client)
        : client_(client)
    {
    }

    std::vector<std::string> take() { return std::exchange(events_, {}); }
    bool sawLockHeld() const { return sawLockHeld_; }

    void Disconnected() override { note("Disconnected"); }
    void Connected() override { note("Connected"); }
    void MainPilotUserDeleted() override { note("MainPilotUserDeleted"); }
    void MainPilotUserChanged() override { note("MainPilotUserChanged"); }
    void MainPilotUserCreated() override { note("MainPilotUserCreated"); }
    void ObjectCreated(std::int32_t h) override { note("ObjectCreated(" + std::to_string(h) + ")"); }
    void ObjectDeleted(std::int32_t h) override { note("ObjectDeleted(" + std::to_string(h) + ")"); }
    void ObjectTextChanged(std::int32_t h, std::int32_t i) override { note("ObjectTextChanged" + pair(h, i)); }
    void ObjectValueChanged(std::int32_t h, std::int32_t i) override { note("ObjectValueChanged" + pair(h, i)); }

    static std::string pair(std::int32_t h, std::int32_t i)
    {
        return "(" + std::to_string(h) + ", " + std::to_string(i) + ")";
    }

private:
    void note(std::string event)
    {
        sawLockHeld_ = sawLockHeld_ || client_.pilotLocked() || client_.lockedObject().has_value();
        events_.push_back(std::move(event));
    }

    SimulatedVoiceClient& client_;
    std::vector<std::string> events_;
    bool sawLockHeld_ = false;
};

} // namespace norvo::testing
