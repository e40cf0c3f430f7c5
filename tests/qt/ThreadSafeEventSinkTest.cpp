#include "QtTestSupport.h"

#include "panel/TOKA.h"
#include "qt/common/ThreadSafeEventSink.h"
#include "qt/widgets/TokaWidget.h"
#include "recording/CallLog.h"
#include "recording/InMemoryVoiceClient.h"
#include "recording/MemorySettingsStore.h"
#include "recording/RecordingDockFrame.h"
#include "support/EventRecorder.h"

#include <QThread>

#include <thread>

namespace norvo::qt {
namespace {

using Lines = std::vector<std::string>;

std::string valueChanged(int index) { return "ObjectValueChanged(1, " + std::to_string(index) + ")"; }

TEST(ThreadSafeEventSinkTest, EventsFromAnyThreadReachTheSinkOnItsThreadInOrder)
{
    // Here the recorder's "lock held" notes an event received off this thread.
    QThread* const home = QThread::currentThread();
    norvo::testing::EventRecorder recorder{[home] { return QThread::currentThread() != home; }};
    ThreadSafeEventSink sink(recorder);
    std::thread worker([&] {
        for (int index = 0; index < 100; ++index)
            sink.receive({VoiceEvent::Kind::ObjectValueChanged, 1, index});
    });
    worker.join();
    // Raised on the sink's thread while the worker's are on the way: behind them.
    sink.receive({VoiceEvent::Kind::ObjectValueChanged, 1, 100});
    EXPECT_TRUE(recorder.take().empty());

    Lines received;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const Lines arrived = recorder.take();
            received.insert(received.end(), arrived.begin(), arrived.end());
            return received.size() >= 101;
        },
        5000));
    Lines expected;
    for (int index = 0; index <= 100; ++index)
        expected.push_back(valueChanged(index));
    EXPECT_EQ(received, expected);
    EXPECT_FALSE(recorder.sawLockHeld());

    // With nothing on the way, an event raised on the sink's thread is passed on at once.
    sink.receive({VoiceEvent::Kind::ObjectValueChanged, 1, 101});
    EXPECT_EQ(recorder.take(), Lines{valueChanged(101)});
}

TEST(ThreadSafeEventSinkTest, WidgetPanelTakesEventsFromAWorkerAndLogsTheirErrors)
{
    CallLog log;
    InMemoryVoiceClient voice;
    voice.addObject(7, "VOICE", "TOKA");
    voice.setLong(7, 0, 3);
    voice.setLong(7, 1, 7);
    voice.setLong(7, 2, 1);
    RecordingDockFrame dock{log};
    TokaWidget toka(voice, dock, std::make_unique<MemorySettingsStore>());
    VoiceEventSink* sink = voice.eventSink();
    ASSERT_NE(sink, nullptr);
    ASSERT_NE(sink, &toka.panel().eventSink());

    std::thread([sink] { sink->receive({VoiceEvent::Kind::ObjectCreated, 7}); }).join();
    EXPECT_EQ(toka.panel().fields().VoiceHandle, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return toka.panel().fields().VoiceHandle == 7; }, 5000));

    testing::WarningLog warnings;
    voice.failNext("LockObject");
    std::thread([sink] { sink->receive({VoiceEvent::Kind::ObjectValueChanged, 7, 25}); }).join();
    EXPECT_TRUE(QTest::qWaitFor([&] { return warnings.contains("voice event failed"); }, 5000));
}

} // namespace
} // namespace norvo::qt
