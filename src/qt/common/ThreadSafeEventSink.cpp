#include "qt/common/ThreadSafeEventSink.h"

#include "qt/common/EventBoundary.h"

#include <QMetaObject>
#include <QThread>

namespace norvo::qt {

ThreadSafeEventSink::ThreadSafeEventSink(VoiceEventSink& sink)
    : sink_(sink)
    , thread_(QThread::currentThread())
{
}

ThreadSafeEventSink::~ThreadSafeEventSink() = default;

void ThreadSafeEventSink::receive(const VoiceEvent& event)
{
    if (QThread::currentThread() == thread_ && onTheWay_.load() == 0) {
        sink_.receive(event);
        return;
    }
    onTheWay_.fetch_add(1);
    QMetaObject::invokeMethod(
        &context_,
        [this, event] {
            onTheWay_.fetch_sub(1);
            deliver("voice event", [&] { sink_.receive(event); });
        },
        Qt::QueuedConnection);
}

} // namespace norvo::qt
