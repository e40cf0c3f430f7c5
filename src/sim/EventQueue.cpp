#include "sim/EventQueue.h"

namespace norvo {

void EventQueue::detach()
{
    attached_ = false;
    updates_ = false;
    queue_.clear();
}

void EventQueue::push(const VoiceEvent& event)
{
    using Kind = VoiceEvent::Kind;
    const bool isUpdate = event.kind == Kind::ObjectValueChanged || event.kind == Kind::ObjectTextChanged
        || event.kind == Kind::MainPilotUserChanged;
    if (!attached_ || (isUpdate && !updates_))
        return;
    const bool wasEmpty = queue_.empty();
    queue_.push_back(event);
    if (wasEmpty && onQueued_)
        onQueued_();
}

std::size_t EventQueue::deliver()
{
    // A lock left by a host handler that did not say it ended.
    endHandler();
    std::size_t delivered = 0;
    while (!queue_.empty()) {
        const VoiceEvent event = queue_.front();
        queue_.pop_front();
        if (!sink_)
            continue;
        beginHandler(event.describe());
        sink_->receive(event);
        ++delivered;
        endHandler();
    }
    return delivered;
}

void EventQueue::endHandler()
{
    // The holder keeps the name of the handler that took the lock.
    contract_.setHandler({});
    contract_.handlerEnded();
}

} // namespace norvo
