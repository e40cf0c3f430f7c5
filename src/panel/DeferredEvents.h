#pragma once

#include "platform/ScopedValue.h"
#include "voice/VoiceEventSink.h"

#include <deque>
#include <exception>

namespace norvo {

// The panel's door for the voice client's events, and what keeps its
// handlers from running inside one another on account of them. An event that
// arrives while a handler runs (also one the client raises from inside a call
// that handler makes) waits, and goes on to the dispatch once the outermost
// handler has returned, in the order the events arrived, with those that arrive meanwhile
// after it. Nothing is dropped while the panel runs: a handler that fails
// does not cancel the events that wait. The caller of the outermost handler
// then gets the first error: the handler's own, else that of the first
// waiting event that failed.
//
// Not thread-safe: everything happens on the panel's thread.
class DeferredEvents final : public VoiceEventSink {
public:
    explicit DeferredEvents(VoiceEventSink& dispatch)
        : dispatch_(dispatch)
    {
    }

    // Goes on to the dispatch at once, as a handler of its own, or waits while
    // one runs. Once closed, dropped.
    void receive(const VoiceEvent& event) override;

    // Runs body as a handler of the panel, then, when it is the outermost
    // one, the events that arrived meanwhile.
    template <class Body> void runHandler(Body&& body);

    // The panel has shut down: the waiting events and every later one are
    // dropped, so that it makes no more calls on a client it has left.
    void close();

    std::size_t waiting() const { return waiting_.size(); }

private:
    // Dispatches the waiting events, those that arrive meanwhile included,
    // then raises the first failure, the handler's error first.
    void dispatchWaiting(std::exception_ptr error);

    VoiceEventSink& dispatch_;
    std::deque<VoiceEvent> waiting_;
    bool handling_ = false;
    bool closed_ = false;
};

template <class Body> void DeferredEvents::runHandler(Body&& body)
{
    if (handling_) {
        body();
        return;
    }
    const ScopedValue handling(handling_, true);
    std::exception_ptr error;
    try {
        body();
    } catch (...) {
        error = std::current_exception();
    }
    if (error || !waiting_.empty())
        dispatchWaiting(error);
}

} // namespace norvo
