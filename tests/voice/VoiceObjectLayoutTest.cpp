#include "voice/VoiceObjectLayout.h"

#include "platform/CheckedMath.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

#include <limits>

namespace norvo {
namespace {

using Block = VoiceObjectLayout::Block;
using Value = VoiceObjectLayout::Value;
using Place = VoiceObjectLayout::Place;

constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();

struct BasesCase {
    std::int32_t a, b;
    // Rooms in use (of at most 3), then the seven block bases.
    std::int32_t rooms, room, info, receive, transmit, recv, send, priority;
};

void PrintTo(const BasesCase& c, std::ostream* out) { *out << c.a << " slots from " << c.b; }

class LayoutBases : public ::testing::TestWithParam<BasesCase> { };

TEST_P(LayoutBases, FollowTheSlotCountAndRoomsAreCapped)
{
    const BasesCase& c = GetParam();
    const VoiceObjectLayout layout(c.a, c.b, 3);
    EXPECT_EQ(layout.roomCount(), c.rooms);
    const std::int32_t bases[] = {c.room, c.info, c.receive, c.transmit, c.recv, c.send, c.priority};
    for (std::int32_t k = 0; k < VoiceObjectLayout::BlockCount; ++k)
        EXPECT_EQ(layout.base(static_cast<Block>(k)), bases[k]) << "block " << k;
    EXPECT_EQ(layout.last(), c.priority + c.rooms - 1);
}

INSTANTIATE_TEST_SUITE_P(Layouts, LayoutBases,
    ::testing::Values(BasesCase{5, 10, 3, 10, 15, 20, 25, 30, 35, 40},
        BasesCase{-4, 100, -4, 100, 96, 92, 88, 84, 80, 76},
        BasesCase{10'000'000, 7, 3, 7, 10'000'007, 20'000'007, 30'000'007, 40'000'007, 50'000'007, 60'000'007},
        // 6A alone does not fit, 6A + B does.
        BasesCase{400'000'000, -1'000'000'000, 3, -1'000'000'000, -600'000'000, -200'000'000, 200'000'000, 600'000'000,
            1'000'000'000, 1'400'000'000}),
    NamedAfterPrintTo());

TEST(VoiceObjectLayout, BaseOrLastBeyond32BitsIsRefused)
{
    for (const auto& [a, b] :
        {std::pair{Max, 0}, std::pair{Min, 0}, std::pair{400'000'000, 0}, std::pair{-400'000'000, 0}, std::pair{1, Max},
            std::pair{-1, Min}, std::pair{3, Max - 19}, std::pair{-5, Min + 30}})
        EXPECT_THROW(VoiceObjectLayout(a, b, 3), ArithmeticOverflow) << a << ", " << b;
    EXPECT_EQ(VoiceObjectLayout(0, Max, 3).last(), Max - 1);
    EXPECT_EQ(VoiceObjectLayout(3, Max - 20, 3).last(), Max);
    EXPECT_EQ(VoiceObjectLayout(70, 7).roomCount(), 70) << "every slot unless told otherwise";
}

struct LocateCase {
    std::int32_t a, b;
    std::int32_t index;
    std::optional<Place> place;
};

void PrintTo(const LocateCase& c, std::ostream* out) { *out << c.a << " slots from " << c.b << ", index " << c.index; }

class Locate : public ::testing::TestWithParam<LocateCase> { };

TEST_P(Locate, FirstMatchWinsWhereBlocksMeetTheHeader)
{
    const LocateCase& c = GetParam();
    EXPECT_EQ(VoiceObjectLayout(c.a, c.b, 3).locate(c.index), c.place);
}

INSTANTIATE_TEST_SUITE_P(Layouts, Locate,
    ::testing::Values(LocateCase{3, 7, 2, Place{Value::VoiceEnabled, 0}}, LocateCase{3, 7, 5, std::nullopt},
        LocateCase{3, 7, 9, Place{Value::RoomState, 2}}, LocateCase{3, 7, 10, Place{Value::Speaker, 0}},
        LocateCase{3, 7, 22, Place{Value::SendActivity, 0}}, LocateCase{3, 7, 21, Place{Value::ReceiveActivity, 2}},
        LocateCase{3, 7, 13, Place{Value::ReceiveMute, 0}}, LocateCase{3, 7, 18, Place{Value::TransmitMute, 2}},
        LocateCase{3, 7, 27, Place{Value::Priority, 2}}, LocateCase{3, 7, 28, std::nullopt},
        // Blocks from index 0 on: the header wins where it is named.
        LocateCase{3, 0, 1, Place{Value::RoomState, 1}}, LocateCase{3, 0, 2, Place{Value::VoiceEnabled, 0}},
        LocateCase{3, 0, 4, Place{Value::Speaker, 0}}, LocateCase{3, 0, 5, Place{Value::Speaker, 2}},
        LocateCase{3, 0, 6, Place{Value::Transmitting, 0}}, LocateCase{3, 0, 7, Place{Value::ReceiveMute, 1}},
        // One slot from index 2: only 5, 7 and 8 are left to the blocks.
        LocateCase{1, 2, 3, Place{Value::Speaker, 0}}, LocateCase{1, 2, 4, Place{Value::Speaker, 0}},
        LocateCase{1, 2, 5, Place{Value::TransmitMute, 0}}, LocateCase{1, 2, 7, Place{Value::SendActivity, 0}},
        LocateCase{1, 2, 8, Place{Value::Priority, 0}},
        // Index 6 inside the Info block is a speaker slot.
        LocateCase{3, 3, 6, Place{Value::Speaker, 0}},
        // Slots past the rooms shown are no one's; a block far out is found.
        LocateCase{5, 10, 13, std::nullopt}, LocateCase{10'000'000, 7, 20'000'009, Place{Value::ReceiveMute, 2}},
        // Offsets 31 and 32 from the first index: on either side of the look-up's end.
        LocateCase{5, 10, 41, Place{Value::Priority, 1}}, LocateCase{5, 10, 42, Place{Value::Priority, 2}},
        // Without slots every block is empty.
        LocateCase{0, 2, 3, Place{Value::Speaker, 0}}, LocateCase{-3, 20, 20, std::nullopt},
        LocateCase{0, 2, 7, std::nullopt}, LocateCase{3, 7, Max, std::nullopt}, LocateCase{3, 7, Min, std::nullopt}),
    NamedAfterPrintTo());

TEST(VoiceObjectLayout, NextPlacedSkipsToTheNextIndexLocateKnows)
{
    const VoiceObjectLayout layout(3, 100, 3);
    EXPECT_EQ(layout.nextPlaced(0), 2);
    EXPECT_EQ(layout.nextPlaced(5), 6);
    EXPECT_EQ(layout.nextPlaced(7), 100);
    EXPECT_EQ(layout.nextPlaced(103), 103);
    EXPECT_EQ(layout.nextPlaced(121), VoiceObjectLayout::NoIndex);
    EXPECT_EQ(layout.nextInBlock(Block::Info, 0), 103);
    EXPECT_EQ(layout.nextInBlock(Block::Info, 106), VoiceObjectLayout::NoIndex);
}

// The binding's refresh loops go from one nextPlaced (nextInBlock for the
// information texts) to the next: they must pass over no index that locate
// places, or that holds a slot's information, however the blocks lie.
class SkippedIndices : public ::testing::TestWithParam<std::pair<std::int32_t, std::int32_t>> { };

TEST_P(SkippedIndices, AreNoneLocatePlaces)
{
    const VoiceObjectLayout layout(GetParam().first, GetParam().second, 3);
    // The first index from i on that passes the test, or NoIndex.
    const auto firstFrom = [&](std::int32_t i, const auto& passes) {
        for (std::int32_t j = i; j <= layout.last(); ++j)
            if (passes(j))
                return std::int64_t{j};
        return VoiceObjectLayout::NoIndex;
    };
    for (std::int32_t i = 0; i <= layout.last(); ++i) {
        EXPECT_GE(layout.nextPlaced(i), i);
        EXPECT_LE(layout.nextPlaced(i), firstFrom(i, [&](std::int32_t j) { return layout.locate(j).has_value(); }));
        EXPECT_EQ(layout.nextInBlock(Block::Info, i),
            firstFrom(i, [&](std::int32_t j) { return layout.slotIn(Block::Info, j).has_value(); }));
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, SkippedIndices,
    ::testing::Values(std::pair{3, 7}, std::pair{2, 10}, std::pair{5, 10}, std::pair{0, 5}, std::pair{-3, 20},
        std::pair{1, 2}, std::pair{3, 0}, std::pair{2, 3}, std::pair{3, 2}, std::pair{1, 0}),
    NamedAfterPrintTo());

} // namespace
} // namespace norvo
