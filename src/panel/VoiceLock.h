#pragma once

#include "voice/VoiceClient.h"

#include <cstdint>
#include <utility>

namespace norvo {

// One of the voice client's two locks, held from a true lock call until
// release() or, when an error unwinds the procedure, until the destructor.
// The lock counts as released as soon as its unlock is asked for, so a
// failing unlock is never tried a second time: release() passes that error
// on; on unwinding it is dropped, and the error that unwinds reaches the
// caller.
template <class Calls> class VoiceLock {
public:
    template <class Argument>
    VoiceLock(VoiceClient& voice, Argument&& argument)
        : voice_(voice)
        , held_(Calls::lock(voice, std::forward<Argument>(argument)))
    {
    }

    ~VoiceLock()
    {
        if (!held_)
            return;
        held_ = false;
        try {
            Calls::unlock(voice_);
        } catch (...) {
        }
    }

    VoiceLock(const VoiceLock&) = delete;
    VoiceLock& operator=(const VoiceLock&) = delete;

    explicit operator bool() const { return held_; }

    void release()
    {
        if (!held_)
            return;
        held_ = false;
        Calls::unlock(voice_);
    }

private:
    VoiceClient& voice_;
    bool held_;
};

struct ObjectLockCalls {
    // The handle goes by reference, as the client expects it.
    static bool lock(VoiceClient& voice, std::int32_t& handle) { return voice.LockObject(handle); }
    static void unlock(VoiceClient& voice) { voice.UnlockObject(); }
};

struct PilotLockCalls {
    static bool lock(VoiceClient& voice, std::int32_t reserved) { return voice.LockMainPilotUser(reserved); }
    static void unlock(VoiceClient& voice) { voice.UnlockMainPilotUser(); }
};

// LockObject / UnlockObject on one voice object.
using ObjectLock = VoiceLock<ObjectLockCalls>;
// LockMainPilotUser / UnlockMainPilotUser on the user's radios.
using PilotLock = VoiceLock<PilotLockCalls>;

} // namespace norvo
