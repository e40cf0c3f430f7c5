#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>

#include <array>
#include <cstdint>
#include <limits>
#include <optional>

namespace norvo {

/// The voice object's fixed header properties; the per-slot blocks start at
/// the first index, which a well-formed object puts at or after Size.
namespace HeaderIndex {
constexpr std::int32_t SlotCount = 0; ///< The slots per block.
constexpr std::int32_t FirstIndex = 1; ///< Where the first block starts.
constexpr std::int32_t VoiceEnabled = 2; ///< Nonzero while voice is on.
constexpr std::int32_t SpeakerRouting = 3; ///< Nonzero while rooms may be routed to the speaker.
constexpr std::int32_t AllToSpeaker = 4; ///< Nonzero while every room is heard on the speaker.
constexpr std::int32_t Transmitting = 6; ///< Nonzero while the user transmits.
constexpr std::int32_t Size = 7; ///< The header's length.
} // namespace HeaderIndex

/// Room states as the voice object numbers them; a panel writes only Offline
/// (leave) and Pending (a connection request).
namespace RoomState {
constexpr std::int32_t Offline = 0; ///< Not in the room.
constexpr std::int32_t Pending = 1; ///< Asked for, not answered yet.
constexpr std::int32_t Connected = 2; ///< In the room.
constexpr std::int32_t Failed = 3; ///< The connection was refused or failed.
constexpr std::int32_t Kicked = 4; ///< Thrown out of the room.
} // namespace RoomState

/// Where the properties of a voice object with A slots and first block index
/// B lie: seven blocks of A properties, block k starting at k * A + B. Only
/// the first `slotsUsed` slots of each block are looked at. Nothing stops
/// blocks from overlapping each other or the header (A = 0, negative A, a
/// small B): where they do, the first match in locate()'s order wins.
class NORVOUITOKA_EXPORT VoiceObjectLayout {
public:
    /// In the object's order from the first index on. A room's name (text)
    /// and state (value) share the Room block; its information (text) and
    /// speaker flag (value) share the Info block.
    enum class Block { Room, Info, ReceiveMute, TransmitMute, ReceiveActivity, SendActivity, Priority };
    /// How many blocks there are.
    static constexpr std::int32_t BlockCount = 7;

    /// What a value property stands for, in the order locate() tries them.
    enum class Value {
        VoiceEnabled, ///< Header index 2.
        Speaker, ///< Header index 3 or 4, or the Info block.
        Transmitting, ///< Header index 6.
        RoomState, ///< The Room block.
        SendActivity, ///< The SendActivity block.
        ReceiveActivity, ///< The ReceiveActivity block.
        ReceiveMute, ///< The ReceiveMute block.
        TransmitMute, ///< The TransmitMute block.
        Priority, ///< The Priority block.
    };
    /// Where an index lies: what it stands for, and for which slot.
    struct Place {
        Value value; ///< What the property stands for.
        std::int32_t slot; ///< The slot; 0 for a header property.
        /// Same value, same slot.
        bool operator==(const Place&) const = default;
    };

    /// Every slot of the object is in use.
    static constexpr std::int32_t AllSlots = std::numeric_limits<std::int32_t>::max();

    /// An object without slots: every block is empty.
    VoiceObjectLayout() = default;
    /// Raises ArithmeticOverflow when a block base or the last index does
    /// not fit 32 bits.
    VoiceObjectLayout(std::int32_t slotCount, std::int32_t firstIndex, std::int32_t slotsUsed = AllSlots);

    /// The slots per block (the object's property 0).
    std::int32_t slotCount() const { return slotCount_; }
    /// Where the first block starts (the object's property 1).
    std::int32_t firstIndex() const { return firstIndex_; }
    /// The slots looked at: the slot count, at most slotsUsed (not positive
    /// when the slot count is not).
    std::int32_t roomCount() const { return roomCount_; }
    /// The index of the block's slot 0.
    std::int32_t base(Block block) const { return bases_[static_cast<std::size_t>(block)]; }
    /// The last index of the Priority block's slots in use.
    std::int32_t last() const { return last_; }

    /// The index of a slot's property; ArithmeticOverflow beyond 32 bits.
    std::int32_t index(Block block, std::int32_t slot) const;
    /// The slot whose property of that block the index is, if any.
    std::optional<std::int32_t> slotIn(Block block, std::int32_t index) const;
    /// What a changed value stands for, first match wins; nothing for an index
    /// no refresh acts on. As cheap for the last slot of a large object as for
    /// the first.
    std::optional<Place> locate(std::int32_t index) const;

    /// The lowest index from `from` on that locate() places, or that lies in
    /// the block; beyond every 32-bit index when there is none.
    ///@{
    static constexpr std::int64_t NoIndex = std::numeric_limits<std::int64_t>::max();
    std::int64_t nextPlaced(std::int64_t from) const;
    std::int64_t nextInBlock(Block block, std::int64_t from) const;
    ///@}

    /// Same slot count, first index, slots used.
    bool operator==(const VoiceObjectLayout&) const = default;

private:
    /// What a value in each block stands for, in the blocks' order.
    static constexpr Value BlockValue[BlockCount] = {Value::RoomState, Value::Speaker, Value::ReceiveMute,
        Value::TransmitMute, Value::ReceiveActivity, Value::SendActivity, Value::Priority};

    std::int32_t slotCount_ = 0;
    std::int32_t firstIndex_ = 0;
    std::int32_t roomCount_ = 0;
    std::array<std::int32_t, BlockCount> bases_{};
    std::int32_t last_ = -1;
};

// Inline: every event of the voice object comes here, and the place it
// returns then stays in registers.
inline std::optional<VoiceObjectLayout::Place> VoiceObjectLayout::locate(std::int32_t index) const
{
    if (index == HeaderIndex::VoiceEnabled)
        return Place{Value::VoiceEnabled, 0};
    if (index == HeaderIndex::SpeakerRouting || index == HeaderIndex::AllToSpeaker)
        return Place{Value::Speaker, 0};
    // Blocks of a positive slot count lie one after the other without
    // overlapping, so at most one of them holds the index; without slots
    // every block is empty. Index 6 is the send bar's unless it is a
    // speaker slot.
    const std::int64_t offset = std::int64_t{index} - firstIndex_;
    if (roomCount_ > 0 && offset >= 0 && offset < std::int64_t{BlockCount} * slotCount_) {
        // Seven blocks at most: a few subtractions.
        std::size_t block = 0;
        std::int64_t slot = offset;
        for (; slot >= slotCount_; slot -= slotCount_)
            ++block;
        const Value value = BlockValue[block];
        if (slot < roomCount_ && (value == Value::Speaker || index != HeaderIndex::Transmitting))
            return Place{value, static_cast<std::int32_t>(slot)};
    }
    if (index == HeaderIndex::Transmitting)
        return Place{Value::Transmitting, 0};
    return std::nullopt;
}

} // namespace norvo
