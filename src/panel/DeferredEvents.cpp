#include "panel/DeferredEvents.h"

namespace norvo {

void DeferredEvents::wait(const VoiceEvent& event) { waiting_.push_back(event); }

void DeferredEvents::close()
{
    closed_ = true;
    waiting_.clear();
}

void DeferredEvents::runWaiting()
{
    std::exception_ptr error;
    runEachWaiting(error);
    if (error)
        std::rethrow_exception(error);
}

void DeferredEvents::runWaitingAfter(std::exception_ptr error)
{
    runEachWaiting(error);
    std::rethrow_exception(error);
}

void DeferredEvents::runEachWaiting(std::exception_ptr& error)
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
