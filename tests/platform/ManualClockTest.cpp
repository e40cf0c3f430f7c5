#include "platform/ManualClock.h"
#include "platform/Timer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace norvo {
namespace {

TEST(ManualClock, FiresOncePerFullIntervalElapsed)
{
    ManualClock clock;
    Timer timer("BlinkTimer", clock);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.setInterval(300);
    clock.advance(299);
    EXPECT_EQ(ticks, 0);
    clock.advance(1);
    EXPECT_EQ(ticks, 1);
    clock.advance(650);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(clock.now(), 950);
}

TEST(ManualClock, DisabledOrZeroIntervalTimersNeverFire)
{
    ManualClock clock;
    Timer idle("Idle", clock);
    Timer off("Off", clock);
    int ticks = 0;
    idle.onTimer = off.onTimer = [&] { ++ticks; };
    off.setInterval(100);
    off.setEnabled(false);
    clock.advance(1000);
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(clock.dueTime(off), -1);
}

TEST(ManualClock, FiringsComeInTimeOrderAcrossTimers)
{
    ManualClock clock;
    Timer slow("Slow", clock);
    Timer fast("Fast", clock);
    std::vector<std::string> order;
    slow.onTimer = [&] { order.push_back("slow@" + std::to_string(clock.now())); };
    fast.onTimer = [&] { order.push_back("fast@" + std::to_string(clock.now())); };
    slow.setInterval(300);
    fast.setInterval(200);
    clock.advance(600);
    EXPECT_EQ(order, (std::vector<std::string>{"fast@200", "slow@300", "fast@400", "slow@600", "fast@600"}));
}

TEST(ManualClock, HandlerThatStopsItsTimerEndsTheTicks)
{
    ManualClock clock;
    Timer timer("BlinkTimer", clock);
    int ticks = 0;
    timer.onTimer = [&] {
        if (++ticks == 2)
            timer.setEnabled(false);
    };
    timer.setInterval(300);
    clock.advance(3000);
    EXPECT_EQ(ticks, 2);
}

TEST(ManualClock, ReenablingRestartsTheCount)
{
    ManualClock clock;
    Timer timer("BlinkTimer", clock);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.setInterval(300);
    clock.advance(200);
    timer.setEnabled(false);
    timer.setEnabled(true);
    clock.advance(200);
    EXPECT_EQ(ticks, 0);
    clock.advance(100);
    EXPECT_EQ(ticks, 1);
}

TEST(ManualClock, DestroyedTimerIsForgotten)
{
    ManualClock clock;
    {
        Timer timer("BlinkTimer", clock);
        timer.setInterval(10);
    }
    EXPECT_NO_THROW(clock.advance(100));
    EXPECT_THROW(clock.advance(-1), std::invalid_argument);
}

} // namespace
} // namespace norvo
