#include "platform/RecordingWindowSystem.h"
#include "skin/Skin.h"

#include <gtest/gtest.h>

namespace norvo {
namespace {

struct ParseCase {
    const char* text;
    Colour expected;
};

class ParseSkinColourTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseSkinColourTest, GivesBlueGreenRed)
{
    EXPECT_EQ(Skin::ParseSkinColour(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Entries, ParseSkinColourTest,
    ::testing::Values(ParseCase{"#65CD30", 0x30CD65}, ParseCase{" #000000", 0}, ParseCase{"65CD30", 0x30CD65},
        ParseCase{"#65cd30", 0x30CD65}, ParseCase{"  # 65CD30  ", 0x30CD65}, ParseCase{"##FF0301", 0x0103FF},
        ParseCase{"#GG0000", 0}, ParseCase{"", 0}, ParseCase{"   ", 0}, ParseCase{"#12G456", 0x120000},
        ParseCase{"#AABBCCDD", 0xDDCCBB}, ParseCase{"#FFFFFFFF", 0xFFFFFF}, ParseCase{"#1FFFFFFFF", 0},
        ParseCase{"#000000001", 0x010000}, ParseCase{"\t#65CD30", 0}));

TEST(LoadSkinColoursTest, FillsTheSevenTriplesOnceAndNeverAgain)
{
    Skin::LoadSkinColours();
    ASSERT_TRUE(Skin::SkinColoursLoaded);
    const std::array<Colour, Skin::ColourCount> expected{0x30CD65, 0, 0x258844, 0, 0x4FE165, 0x258844, 0x0103FF, 0,
        0x000561, 0, 0xFFFFFF, 0x808080, 0, 0x2BBAFD, 0x00A4D8, 0, 0xFFD96D, 0x8B6C37, 0x808080, 0xFFD96D, 0x8B6C37};
    EXPECT_EQ(Skin::SkinColours, expected);

    Skin::SkinColours[13] = 0x123456;
    Skin::LoadSkinColours();
    EXPECT_EQ(Skin::SkinColours[13], 0x123456u) << "a second call parsed again";
    Skin::SkinColours[13] = 0x2BBAFD;
}

struct WindowRoutines : ::testing::Test {
    CallLog log;
    RecordingWindowSystem windows{log};
};

TEST_F(WindowRoutines, RoundRegionIsCreatedThenAppliedWithRedraw)
{
    const Skin::RoundRegion region = Skin::SetRoundRegion(windows, 42, 100, 30);
    EXPECT_EQ(log.take(), (std::vector<std::string>{"Win.CreateRoundRectRgn(0, 0, 100, 30, 22, 22) = 1",
                              "Win.SetWindowRgn(42, 1, True) = True"}));
    EXPECT_EQ(region.handle, 1);
    EXPECT_TRUE(region.accepted);

    windows.setAcceptsRegions(false);
    const Skin::RoundRegion refused = Skin::SetRoundRegion(windows, 42, 535, 21);
    EXPECT_EQ(refused.handle, 2);
    EXPECT_FALSE(refused.accepted);
}

TEST_F(WindowRoutines, DeleteRegionDeletesAnyHandleButZero)
{
    const std::int32_t none = 0;
    const std::int32_t region = 7;
    Skin::DeleteRegion(windows, none);
    Skin::DeleteRegion(windows, region);
    EXPECT_EQ(log.lines(), std::vector<std::string>{"Win.DeleteObject(7)"});
}

TEST_F(WindowRoutines, DragRunsTheTitleBarMoveLoopBetweenEventPumps)
{
    Skin::DragWindow(windows, 0);
    EXPECT_TRUE(log.lines().empty());
    Skin::DragWindow(windows, 9);
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"Win.DoEvents()", "Win.ReleaseCapture()",
                               "Win.SendMessage(9, 161, 2)", "Win.DoEvents()"}));
}

} // namespace
} // namespace norvo
