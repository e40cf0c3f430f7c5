#include "voice/VoiceObjectLayout.h"

#include "platform/CheckedMath.h"

#include <algorithm>

namespace norvo {

namespace {

using Block = VoiceObjectLayout::Block;

// The header properties a refresh acts on, in rising order.
constexpr std::int32_t PlacedHeader[]
    = {HeaderIndex::VoiceEnabled, HeaderIndex::SpeakerRouting, HeaderIndex::AllToSpeaker, HeaderIndex::Transmitting};

} // namespace

VoiceObjectLayout::VoiceObjectLayout(std::int32_t slotCount, std::int32_t firstIndex, std::int32_t slotsUsed)
    : slotCount_(slotCount)
    , firstIndex_(firstIndex)
    , roomCount_(std::min(slotCount, slotsUsed))
{
    // Worked out in 64 bits: k * A may not fit where k * A + B does.
    for (std::int32_t k = 0; k < BlockCount; ++k)
        bases_[static_cast<std::size_t>(k)] = narrowChecked(std::int64_t{k} * slotCount + firstIndex);
    last_ = narrowChecked(std::int64_t{base(Block::Priority)} + roomCount_ - 1);
}

std::int32_t VoiceObjectLayout::index(Block block, std::int32_t slot) const
{
    return narrowChecked(std::int64_t{base(block)} + slot);
}

std::optional<std::int32_t> VoiceObjectLayout::slotIn(Block block, std::int32_t index) const
{
    // Compared in 64 bits, so no base or count can overflow.
    const std::int64_t offset = std::int64_t{index} - base(block);
    if (offset < 0 || offset >= roomCount_)
        return std::nullopt;
    return static_cast<std::int32_t>(offset);
}

std::int64_t VoiceObjectLayout::nextInBlock(Block block, std::int64_t from) const
{
    const std::int64_t candidate = std::max<std::int64_t>(from, base(block));
    return candidate < std::int64_t{base(block)} + roomCount_ ? candidate : NoIndex;
}

std::int64_t VoiceObjectLayout::nextPlaced(std::int64_t from) const
{
    std::int64_t next = NoIndex;
    for (const std::int64_t index : PlacedHeader) {
        if (index >= from) {
            next = index;
            break;
        }
    }
    for (std::int32_t k = 0; k < BlockCount; ++k)
        next = std::min(next, nextInBlock(static_cast<Block>(k), from));
    return next;
}

} // namespace norvo
