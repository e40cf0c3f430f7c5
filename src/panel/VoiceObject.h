#pragma once

#include "voice/VoiceClient.h"
#include "voice/VoiceObjectLayout.h"

#include <cstdint>

namespace norvo {

// The voice client as the panel drives it: the voice object the panel is
// bound to (its handle, 0 while none, and its layout) and the client's two
// locks. Each lock is held only for the block run under it: the unlock is
// asked for exactly once, also when the block fails; an unlock error then
// gives way to the block's, and otherwise reaches the caller.
class VoiceObject {
public:
    using Block = VoiceObjectLayout::Block;

    explicit VoiceObject(VoiceClient& client)
        : client_(client)
    {
    }

    VoiceClient& client() const { return client_; }
    std::int32_t handle() const { return handle_; }
    const VoiceObjectLayout& layout() const { return layout_; }
    std::int32_t index(Block block, std::int32_t slot) const { return layout_.index(block, slot); }

    void bind(std::int32_t handle, const VoiceObjectLayout& layout);
    // The layout stays as it was: every user of it asks for the lock first,
    // which the client refuses for handle 0.
    void unbind() { handle_ = 0; }

    // Runs body under LockObject(handle) / UnlockObject; false, running
    // nothing, when the lock is refused. The handle goes by reference, as
    // the client expects it.
    template <class Body> bool whileObjectLocked(std::int32_t& handle, Body&& body);
    // The same for the bound object.
    template <class Body> bool whileObjectLocked(Body&& body) { return whileObjectLocked(handle_, body); }
    // Runs body under LockMainPilotUser(0) / UnlockMainPilotUser.
    template <class Body> bool whilePilotLocked(Body&& body);

    // A value of the locked object.
    std::int32_t value(std::int32_t index) const { return client_.GetLong(index); }
    std::int32_t value(Block block, std::int32_t slot) const { return value(index(block, slot)); }
    bool flag(std::int32_t index) const { return value(index) != 0; }

private:
    template <class Lock, class Unlock, class Body> static bool runLocked(Lock&& lock, Unlock&& unlock, Body&& body);

    VoiceClient& client_;
    std::int32_t handle_ = 0;
    VoiceObjectLayout layout_;
};

template <class Body> bool VoiceObject::whileObjectLocked(std::int32_t& handle, Body&& body)
{
    return runLocked([&] { return client_.LockObject(handle); }, [&] { client_.UnlockObject(); }, body);
}

template <class Body> bool VoiceObject::whilePilotLocked(Body&& body)
{
    return runLocked([&] { return client_.LockMainPilotUser(0); }, [&] { client_.UnlockMainPilotUser(); }, body);
}

template <class Lock, class Unlock, class Body> bool VoiceObject::runLocked(Lock&& lock, Unlock&& unlock, Body&& body)
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

} // namespace norvo
