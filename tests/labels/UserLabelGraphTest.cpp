#include "labels/UserLabelGraph.h"
#include "labels/SpriteSheet.h"
#include "platform/CheckedMath.h"
#include "platform/ManualClock.h"
#include "support/CaseNames.h"
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

// The work band still holds the sheet as it was drawn at creation.
bool bandHoldsTheSheet(const UserLabelGraph& graph)
{
    for (std::int32_t y = 0; y < SpriteSheet::Height; ++y)
        for (std::int32_t x = 0; x < SpriteSheet::Width; ++x)
            if (graph.surface().pixel(x, UserLabelGraph::WorkBandTop + y) != SpriteSheet::image().pixel(x, y))
                return false;
    return true;
}

struct UserLabelGraphTest : ::testing::Test {
    UserLabelGraphTest() { graph.setSize(18, 15); }
    ManualClock clock;
    UserLabelGraph graph{"ToSpeaker", 0, clock};
};

TEST_F(UserLabelGraphTest, CreatedWithTheSheetAtTheTopLeftAndNothingDrawn)
{
    ManualClock otherClock;
    const UserLabelGraph fresh("GeneralSpeaker", Control::NoIndex, otherClock);
    EXPECT_TRUE(fresh.SheetPending());
    EXPECT_FALSE(fresh.SpriteRect().has_value());
    EXPECT_GE(fresh.surface().width(), 590);
    EXPECT_GE(fresh.surface().height(), 100);
    for (std::int32_t x = 0; x < SpriteSheet::Width; x += 7)
        EXPECT_EQ(fresh.surface().pixel(x, 9), SpriteSheet::image().pixel(x, 9));
    EXPECT_EQ(fresh.surface().pixel(589, 0), 0xC0FFC0u);
    EXPECT_EQ(fresh.surface().pixel(0, 50), 0xC0FFC0u);
}

struct SpriteCase {
    std::int32_t style;
    std::int32_t status;
    Rect sprite;
    std::int32_t statusAfter;
    // The control shows the sheet image whole, so denser artwork can stand in.
    bool wholeImage;
};

void PrintTo(const SpriteCase& c, std::ostream* out) { *out << "style " << c.style << " status " << c.status; }

class SpriteRectTest : public UserLabelGraphTest, public ::testing::WithParamInterface<SpriteCase> { };

TEST_P(SpriteRectTest, DrawsTheImageOfStyleAndReducedState)
{
    const SpriteCase& c = GetParam();
    graph.setSize(c.sprite.width * 2, c.sprite.height * 2 - 1);
    graph.Style(c.style);
    graph.Status(c.status);
    EXPECT_EQ(graph.Status(), c.statusAfter);
    ASSERT_EQ(graph.SpriteRect(), c.sprite);
    expectShows(graph, c.sprite);
    EXPECT_EQ(graph.shownSprite(), c.wholeImage ? std::optional<Rect>(c.sprite) : std::nullopt);
}

// One row per arithmetic of the sheet, and images partly or wholly outside it.
INSTANTIATE_TEST_SUITE_P(Layout, SpriteRectTest,
    ::testing::Values(SpriteCase{1, 1, {17, 0, 17, 17}, 1, true}, SpriteCase{4, 1, {120, 0, 18, 19}, 1, true},
        SpriteCase{6, 3, {192, 0, 18, 16}, 1, true}, SpriteCase{7, 4, {230, 0, 20, 20}, 1, true},
        SpriteCase{14, 1, {530, 0, 20, 12}, 1, false}, SpriteCase{-1, 1, {-70, 0, 20, 12}, 1, false}),
    NamedAfterPrintTo());

TEST_F(UserLabelGraphTest, OnlyANewImageIsAnnouncedSoTheViewRepaints)
{
    testing::ChangeCounter paints(graph);
    const auto pictures = [&] {
        return std::count_if(paints.changes.begin(), paints.changes.end(),
            [&](const auto& change) { return change.first == &graph && change.second == Property::Picture; });
    };
    graph.Style(6);
    graph.Status(1);
    EXPECT_EQ(pictures(), 2);
    graph.Status(3); // reduces to the state already shown
    graph.Style(6);
    EXPECT_EQ(pictures(), 2) << "the same image is not drawn again";
    // The same image again still puts a new caption and a shown shape away.
    graph.Caption("Spk");
    graph.shpCaption().setVisible(true);
    graph.Status(1);
    EXPECT_EQ(graph.Caption(), "");
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

TEST_F(UserLabelGraphTest, SheetIsCopiedToTheWorkBandOnlyOnce)
{
    graph.Style(0);
    EXPECT_TRUE(graph.SheetPending());
    EXPECT_FALSE(graph.shownSprite());
    graph.Style(6);
    EXPECT_FALSE(graph.SheetPending());
    EXPECT_TRUE(bandHoldsTheSheet(graph));
    // The top-left now shows a loudspeaker; another copy would carry it into the band.
    graph.Status(1);
    graph.setSize(20, 20);
    EXPECT_TRUE(bandHoldsTheSheet(graph));
    expectShows(graph, {192, 0, 18, 16});
}

TEST_F(UserLabelGraphTest, ResizeRedrawsThePictureOrReappliesTheColours)
{
    graph.Status(2);
    graph.shpCaption().setFillColor(0x123456);
    graph.setSize(25, 14);
    EXPECT_EQ(graph.shpCaption().fillColor(), 0u);

    graph.Style(6);
    graph.setSize(36, 30);
    expectShows(graph, {174, 0, 18, 16});
    EXPECT_FALSE(graph.InResize());
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
