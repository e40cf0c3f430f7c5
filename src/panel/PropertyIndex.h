#pragma once

#include "platform/CheckedMath.h"

#include <cstdint>

namespace norvo {

// The voice object's fixed header properties.
namespace HeaderIndex {
constexpr std::int32_t SlotCount = 0;
constexpr std::int32_t FirstIndex = 1;
constexpr std::int32_t VoiceEnabled = 2;
constexpr std::int32_t SpeakerRouting = 3;
constexpr std::int32_t AllToSpeaker = 4;
constexpr std::int32_t Transmitting = 6;
} // namespace HeaderIndex

// Room states as the voice object numbers them; the panel writes only Offline
// (leave) and Pending (a connection request).
namespace RoomState {
constexpr std::int32_t Offline = 0;
constexpr std::int32_t Pending = 1;
constexpr std::int32_t Connected = 2;
constexpr std::int32_t Failed = 3;
constexpr std::int32_t Kicked = 4;
} // namespace RoomState

// The property index of slot k of a block; an index beyond 32 bits is an
// error.
inline std::int32_t slotProperty(std::int32_t base, int slot) { return checkedAdd(base, slot); }

// Whether base <= index < base + count (compared in 64 bits, so no base or
// count can overflow); slot receives index - base when it is.
inline bool inBlock(std::int32_t index, std::int32_t base, std::int32_t count, int& slot)
{
    const std::int64_t offset = std::int64_t{index} - base;
    if (offset < 0 || offset >= count)
        return false;
    slot = static_cast<int>(offset);
    return true;
}

} // namespace norvo
