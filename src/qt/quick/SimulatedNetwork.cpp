#include "qt/quick/SimulatedNetwork.h"

#include "qt/common/LogCategories.h"
#include "sim/SimulatedVoiceClient.h"

#include <QMetaObject>

#include <exception>

namespace norvo::qt {

namespace {

// How often the network's time catches up with the wall clock: often enough
// for the activity lights to blink in time.
constexpr int TickMilliseconds = 50;

SimulationOptions tryingOptions()
{
    SimulationOptions options;
    // A host trying the panel gets its errors logged, not thrown at it.
    options.checkContract = false;
    return options;
}

} // namespace

SimulatedNetwork::SimulatedNetwork(QObject* parent)
    : QObject(parent)
    , network_(std::make_unique<SimulatedVoiceClient>(tryingOptions()))
{
    // The network may queue from inside a caller's lock: only post here.
    network_->setOnEventsQueued([this] {
        if (deliveryPosted_)
            return;
        deliveryPosted_ = true;
        QMetaObject::invokeMethod(this, &SimulatedNetwork::deliver, Qt::QueuedConnection);
    });
    wallClock_.start();
    connect(&clock_, &QTimer::timeout, this, &SimulatedNetwork::catchUp);
    clock_.start(TickMilliseconds);
}

SimulatedNetwork::~SimulatedNetwork() { emit aboutToGo(); }

VoiceClient& SimulatedNetwork::client() { return *network_; }

void SimulatedNetwork::catchUp()
{
    const std::int64_t behind = wallClock_.elapsed() - network_->now();
    if (behind <= 0)
        return;
    try {
        network_->advance(behind);
    } catch (const std::exception& error) {
        qCWarning(lcQt, "simulated network: %s", error.what());
    }
}

void SimulatedNetwork::deliver()
{
    deliveryPosted_ = false;
    try {
        network_->deliverEvents();
    } catch (const std::exception& error) {
        qCWarning(lcQt, "simulated network: %s", error.what());
    }
}

} // namespace norvo::qt
