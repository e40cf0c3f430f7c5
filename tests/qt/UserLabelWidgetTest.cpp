#include "SampleForm.h"

#include "labels/SpriteSheet.h"
#include "labels/UserLabelGraph.h"

#include <set>

namespace norvo::qt {
namespace {

using testing::colourAt;
using testing::render;
using testing::SampleForm;

struct GraphLabelTest : SampleForm {
    GraphLabelTest()
    {
        speaker.setGeometry(30, 3, 18, 15);
        speaker.Style(6);
    }
    // The label's 18 x 15 block of a picture of the form at twice the density.
    std::vector<Colour> shownAtDoubleDensity(FormView& shown)
    {
        const QImage image = render(shown, 2.0);
        std::vector<Colour> pixels;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 36; ++x)
                pixels.push_back(colourAt(image, 60 + x, 6 + y));
        return pixels;
    }
    // Whether every aligned 2 x 2 block is of one colour, as in a 1x image
    // drawn twice as large.
    static bool pixelDoubled(const std::vector<Colour>& pixels)
    {
        for (std::size_t y = 0; y < 30; y += 2)
            for (std::size_t x = 0; x < 36; x += 2) {
                const Colour c = pixels[y * 36 + x];
                if (pixels[y * 36 + x + 1] != c || pixels[(y + 1) * 36 + x] != c || pixels[(y + 1) * 36 + x + 1] != c)
                    return false;
            }
        return true;
    }

    UserLabelGraph& speaker = form.addChild(std::make_unique<UserLabelGraph>("ToSpeaker", 0, clock));
};

TEST_F(GraphLabelTest, ShowsItsSurfaceOnePixelEachAtSingleDensity)
{
    FormView shown(form);
    const QImage image = render(shown);
    int wrong = 0;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 18; ++x)
            wrong += colourAt(image, 30 + x, 3 + y) != speaker.surface().pixel(x, y);
    EXPECT_EQ(wrong, 0);
}

// At twice the density the image comes from the artwork drawn for it: edges
// that a 1x image drawn twice as large cannot have, in colours of that
// artwork's image only; a redraw follows the state.
TEST_F(GraphLabelTest, DrawsTheHighDensityArtworkAtTwiceTheDensity)
{
    FormView shown(form);
    const std::vector<Colour> before = shownAtDoubleDensity(shown);
    EXPECT_FALSE(pixelDoubled(before));
    const Rect art = SpriteSheet::highDensityRect(*speaker.shownSprite());
    std::set<Colour> artColours;
    for (std::int32_t y = art.y; y < art.y + art.height; ++y)
        for (std::int32_t x = art.x; x < art.x + art.width; ++x)
            artColours.insert(SpriteSheet::highDensityImage().pixel(x, y));
    for (const Colour c : before)
        EXPECT_TRUE(artColours.count(c)) << std::hex << c;
    speaker.Status(1);
    EXPECT_NE(shownAtDoubleDensity(shown), before);
}

// A rectangle that reaches past the sheet has no denser artwork: the surface
// is shown, each pixel a sharp block.
TEST_F(GraphLabelTest, ShowsItsSurfaceDoubledWhereNoArtworkMatches)
{
    speaker.Style(14);
    speaker.Status(1);
    ASSERT_FALSE(speaker.shownSprite());
    FormView shown(form);
    const std::vector<Colour> pixels = shownAtDoubleDensity(shown);
    EXPECT_TRUE(pixelDoubled(pixels));
    EXPECT_EQ(pixels[0], speaker.surface().pixel(0, 0));
}

} // namespace
} // namespace norvo::qt
