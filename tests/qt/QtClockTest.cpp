#include "QtTestSupport.h"

#include "platform/Timer.h"
#include "qt/QtClock.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace norvo::qt {
namespace {

TEST(QtClockTest, RunningTimerIsArmedUntilDisabledOrIntervalZero)
{
    QtClock clock;
    Timer timer("BlinkTimer", clock);
    EXPECT_FALSE(clock.isArmed(timer));
    timer.setInterval(300);
    EXPECT_TRUE(clock.isArmed(timer));
    timer.setEnabled(false);
    EXPECT_FALSE(clock.isArmed(timer));
    timer.setEnabled(true);
    EXPECT_TRUE(clock.isArmed(timer));
    timer.setInterval(0);
    EXPECT_FALSE(clock.isArmed(timer));
}

TEST(QtClockTest, TimerFiresFromTheEventLoop)
{
    QtClock clock;
    Timer timer("BlinkTimer", clock);
    int fired = 0;
    timer.onTimer = [&] {
        if (++fired == 3)
            timer.setEnabled(false);
    };
    timer.setInterval(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired == 3; }, 2000));
    EXPECT_FALSE(clock.isArmed(timer));
}

TEST(QtClockTest, FailingHandlerIsLoggedAndTheTimerKeepsRunning)
{
    testing::WarningLog warnings;
    QtClock clock;
    Timer timer("BlinkTimer", clock);
    int fired = 0;
    timer.onTimer = [&] {
        ++fired;
        throw std::runtime_error("tick failed");
    };
    timer.setInterval(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired >= 2; }, 2000));
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
