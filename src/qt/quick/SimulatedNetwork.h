#pragma once

#include <NorvoUITOKA/norvouitoka_quick_export.h>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <memory>

namespace norvo {
class SimulatedVoiceClient;
class VoiceClient;
} // namespace norvo

namespace norvo::qt {

/// A simulated voice network to try a TokaPanel on, in QML
/// (`TokaPanel { network: SimulatedNetwork {} }`): rooms connect after a
/// delay, carry information texts and show activity. Its time follows the
/// wall clock; its events reach the panel from the event loop.
class NORVOUITOKA_QUICK_EXPORT SimulatedNetwork : public QObject {
    Q_OBJECT
    QML_ELEMENT

public:
    /// A network whose clock starts now.
    explicit SimulatedNetwork(QObject* parent = nullptr);
    ~SimulatedNetwork() override;

    /// The voice client a panel drives.
    VoiceClient& client();
    /// The simulation itself, to steer it (radios, traffic, failures).
    SimulatedVoiceClient& simulation() { return *network_; }

signals:
    /// The network is about to go, its client still there: a panel on it
    /// lets go of it.
    void aboutToGo();

private:
    void catchUp();
    void deliver();

    const std::unique_ptr<SimulatedVoiceClient> network_;
    QTimer clock_;
    QElapsedTimer wallClock_;
    bool deliveryPosted_ = false;
};

} // namespace norvo::qt
