#include "DemoSession.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLoggingCategory>
#include <QMetaObject>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

// The session's log (what the console and the tour's log file show), on
// standard error only when asked for (debug lines, off by default), and the
// simulated network's complaints about the panel.
Q_LOGGING_CATEGORY(lcDemo, "norvo.demo", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSim, "norvo.sim")

} // namespace

DemoSession::DemoSession(const norvo::SimulationOptions& options, QObject* parent)
    : QObject(parent)
    , network_(options)
    , logging_(network_, [this](const std::string& line) { note(line); })
{
    // The network may queue from inside a caller's lock: only post here.
    network_.setOnEventsQueued([this] {
        if (deliveryPosted_)
            return;
        deliveryPosted_ = true;
        QMetaObject::invokeMethod(this, &DemoSession::deliver, Qt::QueuedConnection);
    });
    clock_.setSingleShot(true);
    // A coarse timer may fire early, and an early shot is a wake-up for nothing.
    clock_.setTimerType(Qt::PreciseTimer);
    connect(&clock_, &QTimer::timeout, this, [this] { moveTo(std::max(wallTime(), scheduledDue_)); });
}

void DemoSession::runInRealTime()
{
    startTime_ = network_.now();
    wallClock_.start();
    // User input may ask the network for something that takes time (a room
    // answers after a delay): its time must be now when the input arrives.
    QCoreApplication::instance()->installEventFilter(this);
    scheduleNextHappening();
}

std::int64_t DemoSession::wallTime() const
{
    return wallClock_.isValid() ? startTime_ + wallClock_.elapsed() : network_.now();
}

void DemoSession::catchUp()
{
    if (wallClock_.isValid())
        moveTo(wallTime());
}

void DemoSession::moveTo(std::int64_t time)
{
    if (time > network_.now()) {
        guarded("the network's clock", [&] { network_.advance(time - network_.now()); });
        emit timePassed();
    }
    scheduleNextHappening();
}

void DemoSession::scheduleNextHappening()
{
    const std::optional<std::int64_t> due = network_.nextDue();
    if (!due) {
        clock_.stop();
        return;
    }
    if (clock_.isActive() && *due == scheduledDue_)
        return;
    scheduledDue_ = *due;
    clock_.start(static_cast<int>(std::clamp<std::int64_t>(*due - wallTime(), 0, std::numeric_limits<int>::max())));
}

bool DemoSession::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
        catchUp();
        // The input may change what is due (a room asked for answers later).
        if (!reschedulePosted_) {
            reschedulePosted_ = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    reschedulePosted_ = false;
                    scheduleNextHappening();
                },
                Qt::QueuedConnection);
        }
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void DemoSession::advance(std::int64_t milliseconds)
{
    guarded("the network's clock", [&] { network_.advance(milliseconds); });
    deliver();
}

void DemoSession::deliver()
{
    deliveryPosted_ = false;
    // An error ends one delivery; the events after it go in the next one.
    while (network_.queuedEvents() > 0 || network_.contract().held(norvo::ContractChecker::Lock::Object)
        || network_.contract().held(norvo::ContractChecker::Lock::Pilot)) {
        guarded("event delivery", [this] { network_.deliverEvents(); });
        reportViolations();
    }
    emit delivered();
}

void DemoSession::reportViolations()
{
    const auto& violations = network_.contract().violations();
    for (; violationsSeen_ < violations.size(); ++violationsSeen_) {
        qCWarning(lcSim, "contract breach: %s", violations[violationsSeen_].what());
        note("CONTRACT BREACH: " + std::string(violations[violationsSeen_].what()));
    }
}

void DemoSession::note(const std::string& line)
{
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%9.3f  ", static_cast<double>(network_.now()) / 1000.0);
    qCDebug(lcDemo, "%s%s", stamp, line.c_str());
    emit logged(QString::fromStdString(stamp + line));
}
