#include "QtTestSupport.h"

#include "platform/Timer.h"
#include "qt/common/QtClock.h"

#include <memory>
#include <stdexcept>

namespace norvo::qt {
namespace {

TEST(QtClockTest, EventLoopFiresTheTimerThroughFailingHandlers)
{
    testing::WarningLog warnings;
    QtClock clock;
    Timer timer("BlinkTimer", clock);
    int fired = 0;
    timer.onTimer = [&] {
        if (++fired == 3)
            timer.setEnabled(false);
        else
            throw std::runtime_error("tick failed");
    };
    timer.setInterval(1);
    EXPECT_TRUE(clock.isArmed(timer));
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired == 3; }, 2000));
    EXPECT_FALSE(clock.isArmed(timer));
    EXPECT_TRUE(warnings.contains("timer on BlinkTimer failed: tick failed"));
}

TEST(QtClockTest, TimerDestroyedByItsOwnHandlerStopsCleanly)
{
    QtClock clock;
    auto timer = std::make_unique<Timer>("BlinkTimer", clock);
    int fired = 0;
    timer->onTimer = [&] {
        ++fired;
        timer.reset();
    };
    timer->setInterval(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer; }, 2000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_EQ(fired, 1);
}

} // namespace
} // namespace norvo::qt
