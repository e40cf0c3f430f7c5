#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>

namespace norvo {

class Timer;

// What makes timers fire. A timer tells its clock whenever its Interval or
// Enabled changes; the clock (re)arms or disarms it and later calls fire().
class NORVOUITOKA_EXPORT Clock {
public:
    virtual ~Clock() = default;
    virtual void timerChanged(Timer& timer) = 0;
    virtual void timerDestroyed(Timer& timer) noexcept = 0;
};

} // namespace norvo
