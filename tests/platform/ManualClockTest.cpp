#include "platform/ManualClock.h"
#include "platform/Timer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace norvo {
namespace {

// A 300 ms timer that counts its ticks.
struct ManualClockTest : ::testing::Test {
    ManualClockTest()
    {
        timer.onTimer = [this] { ++ticks; };
        timer.setInterval(300);
    }
    ManualClock clock;
    Timer timer{"BlinkTimer", clock};
    int ticks = 0;
};

TEST_F(ManualClockTest, FiresOncePerFullIntervalElapsed)
{
    clock.advance(299);
    EXPECT_EQ(ticks, 0);
    clock.advance(1);
    EXPECT_EQ(ticks, 1);
    clock.advance(650);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(clock.now(), 950);
    EXPECT_THROW(clock.advance(-1), std::invalid_argument);
}

TEST_F(ManualClockTest, DisabledZeroIntervalOrDestroyedTimersNeverFire)
{
    Timer idle("Idle", clock);
    idle.onTimer = timer.onTimer;
    {
        Timer gone("Gone", clock);
        gone.onTimer = timer.onTimer;
        gone.setInterval(10);
    }
    timer.setEnabled(false);
    clock.advance(1000);
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(clock.dueTime(timer), -1);
}

TEST_F(ManualClockTest, FiringsComeInTimeOrderAcrossTimers)
{
    Timer fast("Fast", clock);
    std::vector<std::string> order;
    timer.onTimer = [&] { order.push_back("slow@" + std::to_string(clock.now())); };
    fast.onTimer = [&] { order.push_back("fast@" + std::to_string(clock.now())); };
    fast.setInterval(200);
    clock.advance(600);
    EXPECT_EQ(order, (std::vector<std::string>{"fast@200", "slow@300", "fast@400", "slow@600", "fast@600"}));
}

TEST_F(ManualClockTest, HandlerThatStopsItsTimerEndsTheTicks)
{
    timer.onTimer = [&] {
        if (++ticks == 2)
            timer.setEnabled(false);
    };
    clock.advance(3000);
    EXPECT_EQ(ticks, 2);
}

TEST_F(ManualClockTest, ReenablingRestartsTheCount)
{
    clock.advance(200);
    timer.setEnabled(false);
    timer.setEnabled(true);
    clock.advance(200);
    EXPECT_EQ(ticks, 0);
    clock.advance(100);
    EXPECT_EQ(ticks, 1);
}

} // namespace
} // namespace norvo
