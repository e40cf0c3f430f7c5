#include "labels/UserLabelGraph.h"
#include "labels/SpriteSheet.h"
#include "platform/CheckedMath.h"
#include "platform/ManualClock.h"
#include "support/ChangeCounter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace norvo {
namespace {

// What the control must show: the sheet rectangle stretched nearest-neighbour
// over the control, with the band's background beyond the sheet.
void expectShows(const UserLabelGraph& graph, const Rect& sprite)
{
    const Surface& sheet = SpriteSheet::image();
    for (std::int32_t y = 0; y < graph.height(); ++y)
        for (std::int32_t x = 0; x < graph.width(); ++x) {
            const std::int64_t sx = sprite.x + std::int64_t{x} * sprite.width / graph.width();
            const std::int32_t sy = sprite.y + y * sprite.height / graph.height();
            const Colour expected = sx >= 0 && sx < SpriteSheet::Width ? sheet.pixel(static_cast<std::int32_t>(sx), sy)
                                                                       : UserLabel::DesignBackColor;
            ASSERT_EQ(graph.surface().pixel(x, y), expected) << "at (" << x << ", " << y << ")";
        }
}

// Which sprites, captions and statuses a style shows, and when, are scenarios
// (picture-label-sprites.script, label-hover-flash.script).
struct UserLabelGraphTest : ::testing::Test {
    UserLabelGraphTest() { graph.setSize(18, 15); }
    ManualClock clock;
    UserLabelGraph graph{"ToSpeaker", 0, clock};
};

// The rectangles of styles 4 and 6 to 8 are scenarios; the other lines of
// the sheet's arithmetic, and images partly or wholly outside it.
TEST(SpriteRectFor, FollowsStyleAndState)
{
    EXPECT_EQ(UserLabelGraph::spriteRectFor(1, 1), (Rect{17, 0, 17, 17}));
    EXPECT_EQ(UserLabelGraph::spriteRectFor(14, 1), (Rect{530, 0, 20, 12}));
    EXPECT_EQ(UserLabelGraph::spriteRectFor(-1, 1), (Rect{-70, 0, 20, 12}));
}

// Stretched over the control, nearest-neighbour; past the sheet's edge the
// band's background shows, and there is no whole image to stand in for.
TEST_F(UserLabelGraphTest, ImageIsStretchedOverTheControl)
{
    graph.setSize(36, 31);
    graph.Style(6);
    graph.Status(3);
    expectShows(graph, {192, 0, 18, 16});
    EXPECT_EQ(graph.shownSprite(), (Rect{192, 0, 18, 16}));
    graph.setSize(40, 23);
    graph.Style(14);
    expectShows(graph, {530, 0, 20, 12});
    EXPECT_FALSE(graph.shownSprite());
}

// The sheet is drawn at the top left when the label is made, and copied to
// the work band the first time a picture style shows, never again: the top
// left then shows the picture, which a second copy would carry into the band.
TEST_F(UserLabelGraphTest, SheetIsCopiedToTheWorkBandOnlyOnce)
{
    const auto bandHoldsTheSheet = [&] {
        for (std::int32_t y = 0; y < SpriteSheet::Height; ++y)
            for (std::int32_t x = 0; x < SpriteSheet::Width; ++x)
                if (graph.surface().pixel(x, UserLabelGraph::WorkBandTop + y) != SpriteSheet::image().pixel(x, y))
                    return false;
        return true;
    };
    graph.Style(0);
    EXPECT_TRUE(graph.SheetPending());
    graph.Style(6);
    EXPECT_FALSE(graph.SheetPending());
    EXPECT_TRUE(bandHoldsTheSheet());
    graph.Status(1);
    graph.setSize(20, 20);
    EXPECT_TRUE(bandHoldsTheSheet());
}

TEST_F(UserLabelGraphTest, OnlyANewImageIsAnnouncedSoTheViewRepaints)
{
    testing::ChangeCounter paints(graph);
    const auto pictures = [&] {
        return std::count_if(paints.changes.begin(), paints.changes.end(),
            [&](const auto& change) { return change.first == &graph && change.second == Property::Picture; });
    };
    graph.Style(6);
    graph.Status(1);
    graph.Status(3); // reduces to the state already shown
    graph.Style(6);
    EXPECT_EQ(pictures(), 2) << "the same image is not drawn again";
    // The same image again still puts a new caption and a shown shape away.
    graph.Caption("Spk");
    graph.shpCaption().setVisible(true);
    graph.Status(1);
    EXPECT_EQ(graph.lblCaption().tag(), "Spk");
    EXPECT_FALSE(graph.shpCaption().visible());
    EXPECT_EQ(pictures(), 2);
    graph.Style(0);
    graph.Style(6);
    graph.setSize(20, 20);
    EXPECT_EQ(pictures(), 4);
}

// Taller than the band's top, the control draws over the band it takes the
// image from, so drawing the same image again changes pixels.
TEST_F(UserLabelGraphTest, TallControlDrawsTheSameImageAgainAsItWouldComeOut)
{
    graph.setSize(18, 70);
    graph.Style(1);
    Surface expected = graph.surface();
    expected.stretch({0, UserLabelGraph::WorkBandTop, 17, 17}, {0, 0, 18, 70});
    ASSERT_NE(expected, graph.surface());
    EXPECT_FALSE(graph.shownSprite()) << "what the band holds is no longer the sheet";
    graph.Status(0);
    EXPECT_EQ(graph.surface(), expected);
}

TEST_F(UserLabelGraphTest, ResizeUnderTheColourLookReappliesTheStatusColours)
{
    graph.Status(2);
    graph.shpCaption().setFillColor(0x123456);
    graph.setSize(25, 14);
    EXPECT_EQ(graph.shpCaption().fillColor(), 0u);
}

TEST_F(UserLabelGraphTest, StyleBeyondThirtyTwoBitsRaisesAndKeepsTheLook)
{
    graph.Caption("Spk");
    for (const std::int32_t style :
        {std::numeric_limits<std::int32_t>::max(), std::int32_t{1} << 29, std::numeric_limits<std::int32_t>::min()}) {
        EXPECT_THROW(graph.Style(style), ArithmeticOverflow) << style;
        EXPECT_EQ(graph.Caption(), "Spk");
        EXPECT_TRUE(graph.SheetPending());
    }
}

} // namespace
} // namespace norvo
