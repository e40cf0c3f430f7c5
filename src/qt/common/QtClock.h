#pragma once

#include <NorvoUITOKA/norvouitoka_qtcommon_export.h>
#include <NorvoUITOKA/platform/Clock.h>

#include <memory>
#include <unordered_map>

class QTimer;

namespace norvo::qt {

// Drives model timers with QTimers: a running model timer has an active
// QTimer of its interval, restarted whenever the timer changes, and each
// timeout fires the model timer. Must outlive the timers it drives.
class NORVOUITOKA_QTCOMMON_EXPORT QtClock final : public Clock {
public:
    QtClock();
    ~QtClock() override;
    QtClock(const QtClock&) = delete;
    QtClock& operator=(const QtClock&) = delete;

    void timerChanged(Timer& timer) override;
    void timerDestroyed(Timer& timer) noexcept override;

    // Whether the model timer currently has an active QTimer.
    bool isArmed(const Timer& timer) const;

private:
    void fire(Timer& timer);

    std::unordered_map<const Timer*, std::unique_ptr<QTimer>> timers_;
    // The model timer whose handler runs now.
    const Timer* firing_ = nullptr;
};

} // namespace norvo::qt
