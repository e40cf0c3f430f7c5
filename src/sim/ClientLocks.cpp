#include "sim/ClientLocks.h"

#include "voice/VoiceClient.h"

namespace norvo {

using Lock = ContractChecker::Lock;

bool ClientLocks::lockPilot(const std::string& call)
{
    contract_.beforeLock(Lock::Pilot, call);
    pilotLocked_ = pilot_.present();
    contract_.afterLock(Lock::Pilot, call, pilotLocked_);
    return pilotLocked_;
}

void ClientLocks::unlockPilot(const std::string& call)
{
    contract_.beforeUnlock(Lock::Pilot, call);
    pilotLocked_ = false;
}

const PilotRadios& ClientLocks::radiosFor(const std::string& call)
{
    contract_.access(Lock::Pilot, call);
    if (!pilotLocked_ || !pilot_.present())
        throw VoiceClientError(call + ": the main pilot user is not locked");
    return pilot_.radios();
}

bool ClientLocks::lockObject(std::int32_t handle, const std::string& call)
{
    contract_.beforeLock(Lock::Object, call);
    const bool granted = handle != 0 && objects_.find(handle) != nullptr;
    lockedObject_ = granted ? std::optional<std::int32_t>(handle) : std::nullopt;
    contract_.afterLock(Lock::Object, call, granted);
    return granted;
}

void ClientLocks::unlockObject(const std::string& call)
{
    contract_.beforeUnlock(Lock::Object, call);
    lockedObject_.reset();
}

SimulatedObject& ClientLocks::objectFor(const std::string& call)
{
    contract_.access(Lock::Object, call);
    SimulatedObject* object = lockedObject_ ? objects_.find(*lockedObject_) : nullptr;
    if (!object)
        throw VoiceClientError(call + ": no object is locked");
    return *object;
}

} // namespace norvo
