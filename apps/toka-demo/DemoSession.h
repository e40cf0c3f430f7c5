#pragma once

#include "host/StandaloneDockFrame.h"
#include "recording/LoggingVoiceClient.h"
#include "sim/SimulatedVoiceClient.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <string>

// What the demo's panel is wired to: the simulated network, seen through a
// logging client, and a dock frame that lets the panel close itself. Events
// of the network reach the panel from the Qt event loop, after the call that
// raised them has returned; every call, event, error and contract breach
// becomes a log line stamped with the network's time.
class DemoSession : public QObject {
    Q_OBJECT

public:
    explicit DemoSession(const norvo::SimulationOptions& options, QObject* parent = nullptr);

    norvo::SimulatedVoiceClient& network() { return network_; }
    // The client to give the panel.
    norvo::VoiceClient& voice() { return logging_; }
    norvo::DockFrame& dockFrame() { return dockFrame_; }

    // The network's time follows the wall clock from now on: it catches up
    // before each piece of user input, when its next happening falls due and
    // whenever catchUp() is called, and sleeps in between.
    void runInRealTime();
    // Brings the network's time up to the wall clock, running what fell due.
    void catchUp();
    // The wall clock in the network's time, in real time; its time otherwise.
    std::int64_t wallTime() const;
    // Lets the network's time pass at once and delivers what it raised.
    void advance(std::int64_t milliseconds);
    // Delivers the queued events to the panel.
    void deliver();
    // Runs a piece of user input as the host would: one handler, whose
    // errors are logged, not thrown.
    template <class Input> void user(const std::string& what, Input&& input)
    {
        note("user: " + what);
        network_.beginHandler(what);
        guarded(what, input);
        guarded(what, [this] { network_.endHandler(); });
        reportViolations();
    }
    // A line of the demo's own.
    void note(const std::string& line);

signals:
    void logged(const QString& line);
    // After each delivery, for views of the network's state.
    void delivered();
    // After the network's time moved in real time.
    void timePassed();

private:
    template <class Step> void guarded(const std::string& what, Step&& step)
    {
        try {
            step();
        } catch (const std::exception& error) {
            note("error in " + what + ": " + error.what());
        }
    }
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reportViolations();
    // The clock's single shot at the network's next happening.
    void scheduleNextHappening();
    void moveTo(std::int64_t time);

    norvo::SimulatedVoiceClient network_;
    norvo::LoggingVoiceClient logging_;
    norvo::StandaloneDockFrame dockFrame_;
    QTimer clock_;
    QElapsedTimer wallClock_;
    // The network's time when the wall clock started.
    std::int64_t startTime_ = 0;
    // What the clock's single shot was set for.
    std::int64_t scheduledDue_ = 0;
    std::size_t violationsSeen_ = 0;
    bool deliveryPosted_ = false;
    bool reschedulePosted_ = false;
};
