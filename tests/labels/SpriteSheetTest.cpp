#include "labels/SpriteSheet.h"
#include "labels/UserLabelGraph.h"
#include "platform/CheckedMath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace norvo {
namespace {

bool red(Colour c) { return redOf(c) > 180 && greenOf(c) < 80 && blueOf(c) < 80; }
bool green(Colour c) { return greenOf(c) > 160 && redOf(c) < 100 && blueOf(c) < 120; }
bool blue(Colour c) { return blueOf(c) > 180 && redOf(c) < 100; }
bool yellow(Colour c) { return redOf(c) > 200 && greenOf(c) > 150 && blueOf(c) < 100; }
bool drawn(Colour c) { return c != 0; }
constexpr Colour LightBlue = rgb(0x6D, 0xD9, 0xFF);

// One of the two sheets, addressed in 1x sheet units.
struct Sheet {
    const Surface* image;
    std::int32_t scale;

    // How many pixels of the image at x (rows from 0) pass the test.
    int count(std::int32_t x, std::int32_t width, std::int32_t height, bool (*test)(Colour)) const
    {
        int n = 0;
        for (std::int32_t y = 0; y < height * scale; ++y)
            for (std::int32_t column = x * scale; column < (x + width) * scale; ++column)
                n += test(image->pixel(column, y));
        return n;
    }
    Colour at(std::int32_t x, std::int32_t y) const { return image->pixel(x * scale, y * scale); }
};

void PrintTo(const Sheet& c, std::ostream* out) { *out << (c.scale == 1 ? "standard" : "high density"); }

class SpriteSheetTest : public ::testing::TestWithParam<Sheet> { };

TEST_P(SpriteSheetTest, EachStateImageCarriesItsColours)
{
    const Sheet& s = GetParam();
    const int area = s.scale * s.scale;
    EXPECT_EQ(s.image->width(), 534 * s.scale);
    EXPECT_EQ(s.image->height(), 20 * s.scale);
    EXPECT_GT(s.count(17, 17, 17, green), s.count(0, 17, 17, green)) << "status lamp lit";
    EXPECT_GT(s.count(68, 17, 17, red), 0);
    EXPECT_EQ(s.count(68, 17, 17, green), 0) << "network down";
    EXPECT_GT(s.count(85, 17, 17, green), 0);
    EXPECT_EQ(s.count(85, 17, 17, red), 0) << "network up";
    EXPECT_GT(s.count(102, 18, 19, blue), 100 * area) << "blue close button";
    EXPECT_GT(s.count(120, 18, 19, yellow), 100 * area) << "yellow close button";
    for (const std::int32_t x : {138, 174}) {
        EXPECT_GT(s.count(x, 18, 16, red), 0) << "crossed out at " << x;
        EXPECT_EQ(s.count(x + 18, 18, 16, red), 0) << "plain at " << x + 18;
        // The panel shows these at 18 x 15: the row it drops holds nothing.
        EXPECT_EQ(s.count(x, 36, 16, drawn), s.count(x, 36, 15, drawn));
    }
    // The knob's red mark points down-left, up, down-right.
    EXPECT_GT(s.count(210, 10, 20, red), 0);
    EXPECT_EQ(s.count(210, 20, 9, red), 0);
    EXPECT_GT(s.count(230, 20, 9, red), 0);
    EXPECT_EQ(s.count(250, 10, 20, red), 0);
    EXPECT_EQ(s.count(250, 20, 9, red), 0);
    for (std::int32_t x = 270; x < 510; x += 40) {
        EXPECT_TRUE(blue(s.at(x, 5))) << "key cap at x " << x;
        EXPECT_TRUE(yellow(s.at(x + 20, 5))) << "key cap at x " << x + 20;
    }
    EXPECT_EQ(s.count(510, 24, 20, [](Colour c) { return c == LightBlue; }), 24 * 20 * area);
}

INSTANTIATE_TEST_SUITE_P(BothDensities, SpriteSheetTest,
    ::testing::Values(
        Sheet{&SpriteSheet::image(), 1}, Sheet{&SpriteSheet::highDensityImage(), SpriteSheet::HighDensityScale}),
    [](const auto& info) { return info.param.scale == 1 ? "Standard" : "High"; });

// How far the mean of the 2 x 2 block at (x, y) lies from a colour, in its
// most distant channel.
int blockMeanDistance(const Surface& image, std::int32_t x, std::int32_t y, Colour colour)
{
    int distance = 0;
    for (const auto channel : {redOf, greenOf, blueOf}) {
        const int sum = channel(image.pixel(x, y)) + channel(image.pixel(x + 1, y)) + channel(image.pixel(x, y + 1))
            + channel(image.pixel(x + 1, y + 1));
        distance = std::max(distance, std::abs(sum / 4 - channel(colour)));
    }
    return distance;
}

// A 1x pixel is one colour, so a pixel-doubled copy has no 2 x 2 block of
// mixed colours; an image drawn again has them along its edges, and shrunk
// back it still looks like the 1x image.
TEST(HighDensitySpriteSheetTest, EveryImageIsDrawnAgainAtTwiceItsPlace)
{
    const Surface& standard = SpriteSheet::image();
    const Surface& high = SpriteSheet::highDensityImage();
    for (std::int32_t style = 1; style <= 14; ++style)
        for (std::int32_t state = 0; state < (style == 7 ? 3 : 2); ++state) {
            const Rect sprite = UserLabelGraph::spriteRectFor(style, state);
            if (sprite.x + sprite.width > SpriteSheet::Width)
                continue; // no image of its own
            const Rect place = SpriteSheet::highDensityRect(sprite);
            int mixed = 0;
            int unlike = 0;
            for (std::int32_t y = 0; y < sprite.height; ++y)
                for (std::int32_t x = 0; x < sprite.width; ++x) {
                    const std::int32_t hx = place.x + 2 * x;
                    const std::int32_t hy = place.y + 2 * y;
                    const Colour c = high.pixel(hx, hy);
                    mixed += c != high.pixel(hx + 1, hy) || c != high.pixel(hx, hy + 1)
                        || c != high.pixel(hx + 1, hy + 1);
                    unlike += blockMeanDistance(high, hx, hy, standard.pixel(sprite.x + x, sprite.y + y)) > 96;
                }
            // The plain block (style 14) has no edge to draw finer.
            if (style != 14) {
                EXPECT_GE(mixed, 10) << "style " << style << " state " << state;
            }
            EXPECT_LE(unlike, sprite.width * sprite.height * 15 / 100) << "style " << style << " state " << state;
        }
}

TEST(HighDensitySpriteSheetTest, RectanglesScaleWithCheckedArithmetic)
{
    EXPECT_EQ(SpriteSheet::highDensityRect({174, 0, 18, 16}), (Rect{348, 0, 36, 32}));
    EXPECT_THROW(
        SpriteSheet::highDensityRect({std::numeric_limits<std::int32_t>::max() / 2 + 1, 0, 1, 1}), ArithmeticOverflow);
}

TEST(SpriteSheetDrawTest, DrawOntoClipsToTheSurface)
{
    Surface surface(40, 10, 0x123456);
    SpriteSheet::drawOnto(surface, -510, 2);
    EXPECT_EQ(surface.pixel(0, 2), LightBlue);
    EXPECT_EQ(surface.pixel(23, 9), LightBlue);
    EXPECT_EQ(surface.pixel(24, 2), 0x123456u);
    EXPECT_EQ(surface.pixel(0, 1), 0x123456u);
}

} // namespace
} // namespace norvo
