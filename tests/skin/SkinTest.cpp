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

// Seven triples of caption text, fill and border, one per label status.
TEST(LoadSkinColoursTest, FillsTheTableOnceAndNeverAgain)
{
    Skin::LoadSkinColours();
    ASSERT_TRUE(Skin::SkinColoursLoaded);
    EXPECT_EQ(Skin::SkinColours,
        (decltype(Skin::SkinColours){0x30CD65, 0x000000, 0x258844, 0x000000, 0x4FE165, 0x258844, 0x0103FF, 0x000000,
            0x000561, 0x000000, 0xFFFFFF, 0x808080, 0x000000, 0x2BBAFD, 0x00A4D8, 0x000000, 0xFFD96D, 0x8B6C37,
            0x808080, 0xFFD96D, 0x8B6C37}));

    Skin::SkinColours[13] = 0x123456;
    Skin::LoadSkinColours();
    EXPECT_EQ(Skin::SkinColours[13], 0x123456u) << "a second call parsed again";
    Skin::SkinColours[13] = 0x2BBAFD;
}

// Creating, refusing and deleting regions and dragging are the panel's
// scenarios (host-sizes-the-panel.script, drag-host-window.script).
TEST(WindowRoutinesTest, NoRegionIsNoObjectToDelete)
{
    CallLog log;
    RecordingWindowSystem windows{log};
    Skin::DeleteRegion(windows, 0);
    EXPECT_TRUE(log.lines().empty());
}

} // namespace
} // namespace norvo
