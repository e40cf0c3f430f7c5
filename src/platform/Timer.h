#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/platform/Clock.h>
#include <NorvoUITOKA/platform/Control.h>

#include <cstdint>
#include <functional>

namespace norvo {

/// A timer control: while enabled with a non-zero interval it fires every
/// Interval milliseconds. Setting the interval, or enabling it, restarts the
/// count.
class NORVOUITOKA_EXPORT Timer : public Control {
public:
    /// An enabled timer with interval 0 (so not running) on the clock.
    Timer(std::string name, Clock& clock, int index = NoIndex);
    ~Timer() override;

    ///@{
    /// The interval in milliseconds, 0 to 65535 (0 stops the timer); a value
    /// outside throws std::out_of_range.
    std::int32_t interval() const { return interval_; }
    void setInterval(std::int32_t milliseconds);
    ///@}
    /// Armed: enabled with an interval above 0.
    bool running() const { return enabled() && interval_ > 0; }

    /// The timer's event; the clock calls fire() when the interval elapsed.
    std::function<void()> onTimer;
    /// Runs onTimer, as the clock does when the interval has elapsed.
    void fire();

protected:
    void propertyChanged(Property property) override;

private:
    Clock& clock_;
    std::int32_t interval_ = 0;
};

} // namespace norvo
