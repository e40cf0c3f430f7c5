#include "qt/ThreadSafeEventSink.h"

#include "qt/EventBoundary.h"

#include <QMetaObject>
#include <QThread>

namespace norvo::qt {

ThreadSafeEventSink::ThreadSafeEventSink(VoiceEvents& sink)
    : sink_(sink)
    , thread_(QThread::currentThread())
{
}

ThreadSafeEventSink::~ThreadSafeEventSink() = default;

void ThreadSafeEventSink::receive(const VoiceEvent& event)
{
    if (QThread::currentThread() == thread_ && onTheWay_.load() == 0) {
        event.deliverTo(sink_);
        return;
    }
    onTheWay_.fetch_add(1);
    QMetaObject::invokeMethod(
        &context_,
        [this, event] {
            onTheWay_.fetch_sub(1);
            deliver("voice event", [&] { event.deliverTo(sink_); });
        },
        Qt::QueuedConnection);
}

} // namespace norvo::qt
