#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace norvo {

// What falls due for the rooms on the simulation's own clock: for each slot,
// the answer to a connect request and the next change of receive activity;
// and the seeded random source that spaces the activity, the same for the
// same seed on every platform.
class RoomSchedule {
public:
    struct Happening {
        std::int64_t due = 0;
        std::int32_t slot = 0;
        bool answer = false; // or an activity change
    };

    RoomSchedule(std::uint32_t seed, std::int32_t slotCount);

    std::int64_t now() const { return now_; }
    // The earliest; on a tie, answers before activity and lower slots first.
    std::optional<Happening> next() const;
    // The next happening due by then: the clock moves to it and it is taken
    // off the schedule.
    std::optional<Happening> takeDue(std::int64_t until);
    // The time passes up to then, with nothing left due before it.
    void passTo(std::int64_t until) { now_ = until; }

    // An answer after the delay, and nothing else, is due for the slot.
    void expectAnswer(std::int32_t slot, std::int64_t delay);
    void cancel(std::int32_t slot) { timers(slot) = Timers{}; }
    void cancelAnswer(std::int32_t slot) { timers(slot).answerDue = None; }
    void cancelAll();
    bool activityDue(std::int32_t slot) const { return timers_[static_cast<std::size_t>(slot)].activityDue != None; }
    // An activity change after a random wait from low to high, inclusive.
    void scheduleActivity(std::int32_t slot, std::int64_t low, std::int64_t high);
    void cancelActivity(std::int32_t slot) { timers(slot).activityDue = None; }

private:
    static constexpr std::int64_t None = -1;
    struct Timers {
        std::int64_t answerDue = None;
        std::int64_t activityDue = None;
    };
    Timers& timers(std::int32_t slot) { return timers_[static_cast<std::size_t>(slot)]; }

    std::mt19937 random_;
    std::int64_t now_ = 0;
    std::vector<Timers> timers_;
};

} // namespace norvo
