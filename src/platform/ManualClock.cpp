#include "platform/ManualClock.h"

#include "platform/Timer.h"

#include <algorithm>
#include <stdexcept>

namespace norvo {

void ManualClock::disarm(const Timer& timer)
{
    armed_.erase(
        std::remove_if(armed_.begin(), armed_.end(), [&](const Armed& a) { return a.timer == &timer; }), armed_.end());
}

void ManualClock::timerChanged(Timer& timer)
{
    disarm(timer);
    if (timer.running())
        armed_.push_back({&timer, now_ + timer.interval(), nextOrder_++});
}

void ManualClock::timerDestroyed(Timer& timer) noexcept { disarm(timer); }

std::int64_t ManualClock::dueTime(const Timer& timer) const
{
    for (const Armed& a : armed_)
        if (a.timer == &timer)
            return a.due;
    return -1;
}

void ManualClock::advance(std::int64_t milliseconds)
{
    if (milliseconds < 0)
        throw std::invalid_argument("time cannot run backwards");
    const std::int64_t target = now_ + milliseconds;
    for (;;) {
        auto next = std::min_element(armed_.begin(), armed_.end(),
            [](const Armed& a, const Armed& b) { return a.due != b.due ? a.due < b.due : a.order < b.order; });
        if (next == armed_.end() || next->due > target)
            break;
        now_ = next->due;
        Timer* timer = next->timer;
        next->due += timer->interval();
        next->order = nextOrder_++;
        timer->fire();
    }
    now_ = target;
}

} // namespace norvo
