#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/voice/VoiceEvent.h>

#include <cstddef>
#include <deque>
#include <exception>
#include <functional>

namespace norvo {

// Keeps the panel's handlers from running inside one another on account of
// the voice client. An event that arrives while a handler runs (also one the
// client raises from inside a call that handler makes) waits, and runs once
// the outermost handler has returned, in the order the events arrived, with
// the events that arrive meanwhile after it. Nothing is dropped while the
// panel runs: a handler that fails does not cancel the events that wait. The
// caller of the outermost handler then gets the first error: the handler's
// own, else that of the first waiting event that failed.
//
// Not thread-safe: everything happens on the panel's thread.
class NORVOUITOKA_EXPORT DeferredEvents {
public:
    using Reaction = std::function<void(const VoiceEvent&)>;

    explicit DeferredEvents(Reaction react)
        : react_(std::move(react))
    {
    }

    // Runs body as a handler of the panel, then, when it is the outermost
    // one, the events that arrived meanwhile.
    template <class Body> void runHandler(Body&& body);

    // An event from the voice client: it runs at once as a handler, or waits
    // while one runs. Once closed, it is dropped.
    void receive(const VoiceEvent& event)
    {
        if (!heldBack(event))
            runHandler([&] { react_(event); });
    }

    // receive() in two steps, for an owner that reacts to the event itself
    // (without the call through the stored reaction) when this is false: true
    // when the event waits for the running handler or, once closed, was
    // dropped.
    bool heldBack(const VoiceEvent& event)
    {
        if (closed_)
            return true;
        if (depth_ == 0)
            return false;
        wait(event);
        return true;
    }

    // The panel has shut down: the waiting events and every later one are
    // dropped, so that it makes no more calls on a client it has left.
    void close();

    bool handling() const { return depth_ > 0; }
    std::size_t waiting() const { return waiting_.size(); }

private:
    struct Nesting {
        explicit Nesting(int& depth)
            : depth_(depth)
        {
            ++depth_;
        }
        ~Nesting() { --depth_; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;
        int& depth_;
    };

    void wait(const VoiceEvent& event);
    // Run the waiting events, those that arrive meanwhile included, then
    // raise the first failure: the handler's error, else the first event's.
    void runWaiting();
    [[noreturn]] void runWaitingAfter(std::exception_ptr error);
    void runEachWaiting(std::exception_ptr& error);

    Reaction react_;
    std::deque<VoiceEvent> waiting_;
    int depth_ = 0;
    bool closed_ = false;
};

template <class Body> void DeferredEvents::runHandler(Body&& body)
{
    const bool outermost = depth_ == 0;
    const Nesting nesting(depth_);
    if (!outermost) {
        body();
        return;
    }
    // Nothing but the body and a check runs when no event came meanwhile:
    // every voice event enters here.
    try {
        body();
    } catch (...) {
        runWaitingAfter(std::current_exception());
    }
    if (!waiting_.empty())
        runWaiting();
}

} // namespace norvo
