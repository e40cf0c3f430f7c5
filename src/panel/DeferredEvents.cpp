#include "panel/DeferredEvents.h"

namespace norvo {

void DeferredEvents::receive(const VoiceEvent& event)
{
    if (closed_)
        return;
    if (depth_ > 0) {
        waiting_.push_back(event);
        return;
    }
    runHandler([&] { react_(event); });
}

void DeferredEvents::close()
{
    closed_ = true;
    waiting_.clear();
}

void DeferredEvents::runWaiting(std::exception_ptr& error)
{
    while (!waiting_.empty()) {
        const VoiceEvent event = waiting_.front();
        waiting_.pop_front();
        try {
            react_(event);
        } catch (...) {
            if (!error)
                error = std::current_exception();
        }
    }
}

} // namespace norvo
