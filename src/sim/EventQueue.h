#pragma once

#include "sim/ContractChecker.h"
#include "voice/VoiceEvent.h"
#include "voice/VoiceEventSink.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <string>

namespace norvo {

// The simulated client's events on their way to the sink. They wait here
// and arrive only through deliver(), never inside the call that raised them
// nor while a lock is held. Structural events are kept from attach() on,
// value and text changes and the pilot's changes from beginUpdates() on;
// detach() stops and drops them. Each delivered event runs as a handler of
// its own, as a host's input does between beginHandler() and endHandler():
// a lock still held when it ends is a contract violation.
class EventQueue {
public:
    explicit EventQueue(ContractChecker& contract)
        : contract_(contract)
    {
    }

    void setSink(VoiceEventSink* sink) { sink_ = sink; }
    // Called when an event joins an empty queue, possibly from inside a
    // caller's lock: it may only schedule a later deliver().
    void setOnQueued(std::function<void()> wake) { onQueued_ = std::move(wake); }

    void attach() { attached_ = true; }
    void beginUpdates() { updates_ = true; }
    void detach();

    void push(const VoiceEvent& event);
    std::size_t size() const { return queue_.size(); }
    // Delivers in order, also what is queued meanwhile; returns how many. An
    // exception from a handler ends the delivery; the events after it wait.
    std::size_t deliver();

    void beginHandler(std::string name) { contract_.setHandler(std::move(name)); }
    void endHandler();

private:
    ContractChecker& contract_;
    VoiceEventSink* sink_ = nullptr;
    std::function<void()> onQueued_;
    bool attached_ = false;
    bool updates_ = false;
    std::deque<VoiceEvent> queue_;
};

} // namespace norvo
