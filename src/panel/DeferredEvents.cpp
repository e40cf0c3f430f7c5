#include "panel/DeferredEvents.h"

namespace norvo {

void DeferredEvents::receive(const VoiceEvent& event)
{
    if (closed_)
        return;
    if (handling_)
        waiting_.push_back(event);
    else
        runHandler([&] { dispatch_.receive(event); });
}

void DeferredEvents::close()
{
    closed_ = true;
    waiting_.clear();
}

void DeferredEvents::dispatchWaiting(std::exception_ptr error)
{
    while (!waiting_.empty()) {
        const VoiceEvent event = waiting_.front();
        waiting_.pop_front();
        try {
            dispatch_.receive(event);
        } catch (...) {
            if (!error)
                error = std::current_exception();
        }
    }
    if (error)
        std::rethrow_exception(error);
}

} // namespace norvo
