#pragma once

#include "voice/VoiceClient.h"

#include <cstdint>

namespace norvo {

namespace detail {

// Runs body between a granted lock and its unlock; false, running nothing,
// when the lock is refused. The unlock is asked for exactly once: when body
// throws, an unlock error is dropped and body's error goes on; otherwise an
// unlock error reaches the caller.
template <class Lock, class Unlock, class Body>
[[gnu::always_inline]] inline bool runLocked(Lock&& lock, Unlock&& unlock, Body&& body)
{
    if (!lock())
        return false;
    try {
        body();
    } catch (...) {
        try {
            unlock();
        } catch (...) {
        }
        throw;
    }
    unlock();
    return true;
}

} // namespace detail

// LockObject / UnlockObject around body. The handle goes by reference, as the
// client expects it. Always inlined, with runLocked: a one-value refresh then
// builds no closure and makes no call beside the client's.
template <class Body>
[[gnu::always_inline]] inline bool withObjectLock(VoiceClient& voice, std::int32_t& handle, Body&& body)
{
    return detail::runLocked([&] { return voice.LockObject(handle); }, [&] { voice.UnlockObject(); }, body);
}

// LockMainPilotUser(0) / UnlockMainPilotUser around body.
template <class Body> bool withPilotLock(VoiceClient& voice, Body&& body)
{
    return detail::runLocked([&] { return voice.LockMainPilotUser(0); }, [&] { voice.UnlockMainPilotUser(); }, body);
}

} // namespace norvo
