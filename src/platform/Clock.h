#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>

namespace norvo {

class Timer;

/// What makes timers fire. A timer tells its clock whenever its Interval or
/// Enabled changes; the clock (re)arms or disarms it and later calls fire().
class NORVOUITOKA_EXPORT Clock {
public:
    virtual ~Clock() = default;
    /// The timer's Interval or Enabled changed: arm it afresh from now if it
    /// is running (Timer::running()), disarm it if not.
    virtual void timerChanged(Timer& timer) = 0;
    /// The timer goes away: forget it, never fire it again.
    virtual void timerDestroyed(Timer& timer) noexcept = 0;
};

} // namespace norvo
