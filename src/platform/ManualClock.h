#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/platform/Clock.h>

#include <cstdint>
#include <vector>

namespace norvo {

/// A clock that moves only when told to: tests and scripts drive time.
class NORVOUITOKA_EXPORT ManualClock : public Clock {
public:
    /// The time in milliseconds; 0 at first.
    std::int64_t now() const { return now_; }

    /// Lets the time pass: every running timer fires once per full interval
    /// elapsed, all firings in time order (ties in the order the timers were
    /// armed). A timer changed by a handler is re-armed from that moment.
    void advance(std::int64_t milliseconds);

    /// When the timer fires next, or -1 when it is not armed.
    std::int64_t dueTime(const Timer& timer) const;

    /// Arms a running timer to fire one interval from now; disarms one that
    /// is not running.
    void timerChanged(Timer& timer) override;
    /// \copydoc Clock::timerDestroyed()
    void timerDestroyed(Timer& timer) noexcept override;

private:
    struct Armed {
        Timer* timer;
        std::int64_t due;
        std::uint64_t order;
    };
    void disarm(const Timer& timer);

    std::int64_t now_ = 0;
    std::uint64_t nextOrder_ = 0;
    std::vector<Armed> armed_;
};

} // namespace norvo
