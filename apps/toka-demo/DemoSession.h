#pragma once

#include "host/StandaloneDockFrame.h"
#include "sim/SimulatedVoiceClient.h"
#include "testing/LoggingVoiceClient.h"

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

    // The network's time follows the wall clock from now on.
    void runInRealTime();
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
    // After the network's clock moved in real time.
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
    void reportViolations();
    void tick();

    norvo::SimulatedVoiceClient network_;
    norvo::LoggingVoiceClient logging_;
    norvo::StandaloneDockFrame dockFrame_;
    QTimer clock_;
    QElapsedTimer wallClock_;
    qint64 lastTick_ = 0;
    std::size_t violationsSeen_ = 0;
    bool deliveryPosted_ = false;
};
