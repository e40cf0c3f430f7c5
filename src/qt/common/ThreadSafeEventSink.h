#pragma once

#include <NorvoUITOKA/norvouitoka_qtcommon_export.h>
#include <NorvoUITOKA/voice/VoiceEventSink.h>

#include <QObject>

#include <atomic>

class QThread;

namespace norvo::qt {

// Hands the voice client's events from any thread to a sink that lives on the
// thread that created this object (the panel's). On that thread, with none of
// its events still on the way, it passes an event on at once, and the sink's
// errors reach the caller, as without it. From another thread it posts the
// event to that thread's event loop; an error at that delivery is logged and
// never thrown into the loop. The events one thread raises arrive in the
// order raised; none raised on the sink's thread overtakes one still on the
// way.
//
// Thread-safe, except for destruction: the voice client must have stopped
// raising events into it (setEventSink(nullptr) returned) before it goes.
// Events still on the way then are dropped.
class NORVOUITOKA_QTCOMMON_EXPORT ThreadSafeEventSink final : public VoiceEventSink {
public:
    explicit ThreadSafeEventSink(VoiceEventSink& sink);
    ~ThreadSafeEventSink() override;
    ThreadSafeEventSink(const ThreadSafeEventSink&) = delete;
    ThreadSafeEventSink& operator=(const ThreadSafeEventSink&) = delete;

    void receive(const VoiceEvent& event) override;

private:
    VoiceEventSink& sink_;
    QThread* const thread_;
    // Receives the posted deliveries on the sink's thread.
    QObject context_;
    std::atomic<int> onTheWay_ = 0;
};

} // namespace norvo::qt
