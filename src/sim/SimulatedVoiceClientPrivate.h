#pragma once

#include "sim/ClientLocks.h"
#include "sim/ContractChecker.h"
#include "sim/EventQueue.h"
#include "sim/NetworkObjects.h"
#include "sim/RoomSchedule.h"
#include "sim/SimulatedPilot.h"
#include "sim/SimulatedRooms.h"
#include "sim/SimulationOptions.h"
#include "voice/VoiceObjectLayout.h"

namespace norvo {

// The inside of a SimulatedVoiceClient: the parts of the network, each
// wired to those it needs, built from the options.
class SimulatedVoiceClientPrivate {
public:
    // Throws std::invalid_argument for options that do not fit.
    explicit SimulatedVoiceClientPrivate(const SimulationOptions& options);

    const VoiceObjectLayout layout;
    ContractChecker contract;
    EventQueue events{contract};
    NetworkObjects objects{layout, events};
    SimulatedPilot pilot;
    RoomSchedule schedule;
    SimulatedRooms rooms;
    ClientLocks locks{contract, objects, pilot};
};

} // namespace norvo
