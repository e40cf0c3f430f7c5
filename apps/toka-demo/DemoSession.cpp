#include "DemoSession.h"

#include <QMetaObject>

#include <cstdio>

namespace {

constexpr int TickMilliseconds = 40;

} // namespace

DemoSession::DemoSession(const norvo::SimulationOptions& options, QObject* parent)
    : QObject(parent)
    , network_(options)
    , logging_(network_, [this](const std::string& line) { note(line); })
{
    // The network may queue from inside a caller's lock: only post here.
    network_.onEventsQueued = [this] {
        if (deliveryPosted_)
            return;
        deliveryPosted_ = true;
        QMetaObject::invokeMethod(this, &DemoSession::deliver, Qt::QueuedConnection);
    };
    connect(&clock_, &QTimer::timeout, this, &DemoSession::tick);
}

void DemoSession::runInRealTime()
{
    wallClock_.start();
    lastTick_ = 0;
    clock_.start(TickMilliseconds);
}

void DemoSession::tick()
{
    const qint64 now = wallClock_.elapsed();
    guarded("the network's clock", [&] { network_.advance(now - lastTick_); });
    lastTick_ = now;
    emit timePassed();
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
    for (; violationsSeen_ < violations.size(); ++violationsSeen_)
        note("CONTRACT BREACH: " + std::string(violations[violationsSeen_].what()));
}

void DemoSession::note(const std::string& line)
{
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%9.3f  ", static_cast<double>(network_.now()) / 1000.0);
    emit logged(QString::fromStdString(stamp + line));
}
