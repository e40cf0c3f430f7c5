#include "sim/RoomSchedule.h"

namespace norvo {

RoomSchedule::RoomSchedule(std::uint32_t seed, std::int32_t slotCount)
    : random_(seed)
    , timers_(static_cast<std::size_t>(slotCount))
{
}

std::optional<RoomSchedule::Happening> RoomSchedule::next() const
{
    std::optional<Happening> next;
    for (std::size_t k = 0; k < timers_.size(); ++k) {
        const Timers& t = timers_[k];
        const auto slot = static_cast<std::int32_t>(k);
        if (t.answerDue != None && (!next || t.answerDue < next->due || (t.answerDue == next->due && !next->answer)))
            next = Happening{t.answerDue, slot, true};
        if (t.activityDue != None && (!next || t.activityDue < next->due))
            next = Happening{t.activityDue, slot, false};
    }
    return next;
}

std::optional<RoomSchedule::Happening> RoomSchedule::takeDue(std::int64_t until)
{
    const std::optional<Happening> due = next();
    if (!due || due->due > until)
        return std::nullopt;
    now_ = due->due;
    if (due->answer)
        cancelAnswer(due->slot);
    else
        cancelActivity(due->slot);
    return due;
}

void RoomSchedule::expectAnswer(std::int32_t slot, std::int64_t delay) { timers(slot) = Timers{now_ + delay, None}; }

void RoomSchedule::cancelAll()
{
    for (Timers& t : timers_)
        t = Timers{};
}

void RoomSchedule::scheduleActivity(std::int32_t slot, std::int64_t low, std::int64_t high)
{
    // The engine's output is fixed by the standard; the distributions are not.
    const auto wait = low + static_cast<std::int64_t>(random_() % static_cast<std::uint32_t>(high - low + 1));
    timers(slot).activityDue = now_ + wait;
}

} // namespace norvo
