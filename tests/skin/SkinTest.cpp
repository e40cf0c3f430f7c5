#include "skin/Skin.h"
#include "recording/RecordingWindowSystem.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

namespace norvo {
namespace {

struct ParseCase {
    const char* text;
    Colour expected;
};

void PrintTo(const ParseCase& c, std::ostream* out) { *out << "text " << spelt(c.text); }

class ParseSkinColourTest : public ::testing::TestWithParam<ParseCase> { };

TEST_P(ParseSkinColourTest, GivesBlueGreenRed)
{
    EXPECT_EQ(Skin::ParseSkinColour(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Entries, ParseSkinColourTest,
    ::testing::Values(ParseCase{"#65CD30", 0x30CD65}, ParseCase{" #000000", 0}, ParseCase{"65CD30", 0x30CD65},
        ParseCase{"#65cd30", 0x30CD65}, ParseCase{"  # 65CD30  ", 0x30CD65}, ParseCase{"##FF0301", 0x0103FF},
        ParseCase{"#GG0000", 0}, ParseCase{"", 0}, ParseCase{"   ", 0}, ParseCase{"#12G456", 0x120000},
        ParseCase{"#AABBCCDD", 0xDDCCBB}, ParseCase{"#FFFFFFFF", 0xFFFFFF}, ParseCase{"#1FFFFFFFF", 0},
        ParseCase{"#000000001", 0x010000}, ParseCase{"\t#65CD30", 0}),
    NamedAfterPrintTo());

TEST(LoadSkinColoursTest, FillsTheTableOnceAndNeverAgain)
{
    Skin::LoadSkinColours();
    ASSERT_TRUE(Skin::SkinColoursLoaded);
    EXPECT_EQ(Skin::SkinColours[0], 0x30CD65u);
    EXPECT_EQ(Skin::SkinColours[20], 0x8B6C37u);

    Skin::SkinColours[13] = 0x123456;
    Skin::LoadSkinColours();
    EXPECT_EQ(Skin::SkinColours[13], 0x123456u) << "a second call parsed again";
    Skin::SkinColours[13] = 0x2BBAFD;
}

TEST(WindowRoutinesTest, RegionDeletionAndDragCallTheWindowSystemOnlyForRealHandles)
{
    CallLog log;
    RecordingWindowSystem windows{log};
    windows.setAcceptsRegions(false);
    const Skin::RoundRegion region = Skin::SetRoundRegion(windows, 42, 100, 30);
    EXPECT_FALSE(region.accepted);
    Skin::DeleteRegion(windows, 0);
    Skin::DeleteRegion(windows, region.handle);
    Skin::DragWindow(windows, 0);
    Skin::DragWindow(windows, 9);
    EXPECT_EQ(log.lines(),
        (std::vector<std::string>{"Win.CreateRoundRectRgn(0, 0, 100, 30, 22, 22) = 1",
            "Win.SetWindowRgn(42, 1, True) = False", "Win.DeleteObject(1)", "Win.DoEvents()", "Win.ReleaseCapture()",
            "Win.SendMessage(9, 161, 2)", "Win.DoEvents()"}));
}

} // namespace
} // namespace norvo
