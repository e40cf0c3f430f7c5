#include "qt/common/QtClock.h"

#include "platform/Timer.h"
#include "qt/common/EventBoundary.h"

#include <QTimer>

namespace norvo::qt {

QtClock::QtClock() = default;

QtClock::~QtClock() = default;

void QtClock::timerChanged(Timer& timer)
{
    auto found = timers_.find(&timer);
    if (!timer.running()) {
        if (found != timers_.end())
            found->second->stop();
        return;
    }
    if (found == timers_.end()) {
        auto qtimer = std::make_unique<QTimer>();
        qtimer->setTimerType(Qt::PreciseTimer);
        QObject::connect(qtimer.get(), &QTimer::timeout, [this, &timer] { fire(timer); });
        found = timers_.emplace(&timer, std::move(qtimer)).first;
    }
    // Starting an active QTimer restarts its count, as a changed model timer
    // does.
    found->second->start(timer.interval());
}

void QtClock::timerDestroyed(Timer& timer) noexcept
{
    const auto found = timers_.find(&timer);
    if (found == timers_.end())
        return;
    std::unique_ptr<QTimer> qtimer = std::move(found->second);
    timers_.erase(found);
    qtimer->stop();
    qtimer->disconnect();
    // A timer destroyed by its own handler is inside its QTimer's timeout.
    if (firing_ == &timer)
        qtimer.release()->deleteLater();
}

bool QtClock::isArmed(const Timer& timer) const
{
    const auto found = timers_.find(&timer);
    return found != timers_.end() && found->second->isActive();
}

void QtClock::fire(Timer& timer)
{
    const Timer* outer = firing_;
    firing_ = &timer;
    deliver(timer, "timer", [&] { timer.fire(); });
    firing_ = outer;
}

} // namespace norvo::qt
