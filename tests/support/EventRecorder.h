#pragma once

#include "voice/VoiceEvents.h"

#include <functional>

#include <string>
#include <utility>
#include <vector>

namespace norvo::testing {

// Writes down each event it receives ("ObjectValueChanged(2, 9)") and whether
// the client held a lock at that moment, as lockHeld tells.
class EventRecorder : public VoiceEvents {
public:
    explicit EventRecorder(std::function<bool()> lockHeld = [] { return false; })
        : lockHeld_(std::move(lockHeld))
    {
    }

    std::vector<std::string> take() { return std::exchange(events_, {}); }
    bool sawLockHeld() const { return sawLockHeld_; }

    void Norvo_Disconnected() override { note("Disconnected"); }
    void Norvo_Connected() override { note("Connected"); }
    void Norvo_MainPilotUserDeleted() override { note("MainPilotUserDeleted"); }
    void Norvo_MainPilotUserChanged() override { note("MainPilotUserChanged"); }
    void Norvo_MainPilotUserCreated() override { note("MainPilotUserCreated"); }
    void Norvo_ObjectCreated(std::int32_t h) override { note("ObjectCreated(" + std::to_string(h) + ")"); }
    void Norvo_ObjectDeleted(std::int32_t h) override { note("ObjectDeleted(" + std::to_string(h) + ")"); }
    void Norvo_ObjectTextChanged(std::int32_t h, std::int32_t i) override { note("ObjectTextChanged" + pair(h, i)); }
    void Norvo_ObjectValueChanged(std::int32_t h, std::int32_t i) override { note("ObjectValueChanged" + pair(h, i)); }

    static std::string pair(std::int32_t h, std::int32_t i)
    {
        return "(" + std::to_string(h) + ", " + std::to_string(i) + ")";
    }

private:
    void note(std::string event)
    {
        sawLockHeld_ = sawLockHeld_ || lockHeld_();
        events_.push_back(std::move(event));
    }

    std::function<bool()> lockHeld_;
    std::vector<std::string> events_;
    bool sawLockHeld_ = false;
};

} // namespace norvo::testing
