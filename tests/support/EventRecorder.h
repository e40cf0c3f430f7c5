#pragma once

#include "voice/VoiceEventSink.h"

#include <functional>

#include <string>
#include <utility>
#include <vector>

namespace norvo::testing {

// Writes down each event it receives ("ObjectValueChanged(2, 9)") and whether
// the client held a lock at that moment, as lockHeld tells.
class EventRecorder : public VoiceEventSink {
public:
    explicit EventRecorder(std::function<bool()> lockHeld = [] { return false; })
        : lockHeld_(std::move(lockHeld))
    {
    }

    std::vector<std::string> take() { return std::exchange(events_, {}); }
    bool sawLockHeld() const { return sawLockHeld_; }

    void receive(const VoiceEvent& event) override
    {
        sawLockHeld_ = sawLockHeld_ || lockHeld_();
        events_.push_back(event.describe());
    }

private:
    std::function<bool()> lockHeld_;
    std::vector<std::string> events_;
    bool sawLockHeld_ = false;
};

} // namespace norvo::testing
