#pragma once

#include "sim/ContractChecker.h"
#include "sim/NetworkObjects.h"
#include "sim/SimulatedObject.h"
#include "sim/SimulatedPilot.h"

#include <cstdint>
#include <optional>
#include <string>

namespace norvo {

// The simulated client's two locks as callers take them, each watched by
// the contract checker: the main pilot user's, granted while the pilot is
// present, and an object's, granted for an object that exists (never for
// handle 0). A value call is answered only under its lock; otherwise it
// throws a VoiceClientError naming the call. Calls are named as the contract
// checker reports them ("LockObject(2)").
class ClientLocks {
public:
    ClientLocks(ContractChecker& contract, NetworkObjects& objects, const SimulatedPilot& pilot)
        : contract_(contract)
        , objects_(objects)
        , pilot_(pilot)
    {
    }

    bool pilotLocked() const { return pilotLocked_; }
    std::optional<std::int32_t> lockedObject() const { return lockedObject_; }

    bool lockPilot(const std::string& call);
    void unlockPilot(const std::string& call);
    // What a call on the pilot's radios finds.
    const PilotRadios& radiosFor(const std::string& call);

    bool lockObject(std::int32_t handle, const std::string& call);
    void unlockObject(const std::string& call);
    SimulatedObject& objectFor(const std::string& call);

private:
    ContractChecker& contract_;
    NetworkObjects& objects_;
    const SimulatedPilot& pilot_;
    bool pilotLocked_ = false;
    std::optional<std::int32_t> lockedObject_;
};

} // namespace norvo
