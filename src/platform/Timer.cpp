#include "platform/Timer.h"

#include <stdexcept>

namespace norvo {

Timer::Timer(std::string name, Clock& clock, int index)
    : Control(ControlKind::Timer, std::move(name), index)
    , clock_(clock)
{
}

Timer::~Timer() { clock_.timerDestroyed(*this); }

void Timer::setInterval(std::int32_t milliseconds)
{
    if (milliseconds < 0 || milliseconds > 65535)
        throw std::out_of_range("invalid timer interval " + std::to_string(milliseconds));
    assign(interval_, milliseconds, Property::Interval);
}

void Timer::fire()
{
    if (onTimer)
        onTimer();
}

void Timer::propertyChanged(Property property)
{
    if (property == Property::Interval || property == Property::Enabled)
        clock_.timerChanged(*this);
}

} // namespace norvo
