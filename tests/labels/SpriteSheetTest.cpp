#include "labels/SpriteSheet.h"

#include <gtest/gtest.h>

namespace norvo {
namespace {

bool red(Colour c) { return redOf(c) > 180 && greenOf(c) < 80 && blueOf(c) < 80; }
bool green(Colour c) { return greenOf(c) > 160 && redOf(c) < 100 && blueOf(c) < 120; }
bool blue(Colour c) { return blueOf(c) > 180 && redOf(c) < 100; }
bool yellow(Colour c) { return redOf(c) > 200 && greenOf(c) > 150 && blueOf(c) < 100; }

// How many pixels of the image at x (sheet rows from 0) pass the test.
int count(std::int32_t x, std::int32_t width, std::int32_t height, bool (*test)(Colour))
{
    int n = 0;
    for (std::int32_t y = 0; y < height; ++y)
        for (std::int32_t column = x; column < x + width; ++column)
            n += test(SpriteSheet::image().pixel(column, y));
    return n;
}

TEST(SpriteSheetTest, EachStateImageCarriesItsColours)
{
    EXPECT_EQ(SpriteSheet::image().width(), 534);
    EXPECT_EQ(SpriteSheet::image().height(), 20);
    EXPECT_GT(count(17, 17, 17, green), count(0, 17, 17, green)) << "status lamp lit";
    EXPECT_GT(count(68, 17, 17, red), 0);
    EXPECT_EQ(count(68, 17, 17, green), 0) << "network down";
    EXPECT_GT(count(85, 17, 17, green), 0);
    EXPECT_EQ(count(85, 17, 17, red), 0) << "network up";
    EXPECT_GT(count(102, 18, 19, blue), 100) << "blue close button";
    EXPECT_GT(count(120, 18, 19, yellow), 100) << "yellow close button";
    for (const std::int32_t x : {138, 174}) {
        EXPECT_GT(count(x, 18, 16, red), 0) << "crossed out at " << x;
        EXPECT_EQ(count(x + 18, 18, 16, red), 0) << "plain at " << x + 18;
        // The panel shows these at 18 x 15: the row it drops holds nothing.
        EXPECT_EQ(count(x, 36, 16, [](Colour c) { return c != 0; }), count(x, 36, 15, [](Colour c) { return c != 0; }));
    }
    // The knob's red mark points down-left, up, down-right.
    EXPECT_GT(count(210, 10, 20, red), 0);
    EXPECT_EQ(count(210, 20, 9, red), 0);
    EXPECT_GT(count(230, 20, 9, red), 0);
    EXPECT_EQ(count(250, 10, 20, red), 0);
    EXPECT_EQ(count(250, 20, 9, red), 0);
    for (std::int32_t x = 270; x < 510; x += 40) {
        EXPECT_TRUE(blue(SpriteSheet::image().pixel(x, 5))) << "key cap at x " << x;
        EXPECT_TRUE(yellow(SpriteSheet::image().pixel(x + 20, 5))) << "key cap at x " << x + 20;
    }
    EXPECT_EQ(count(510, 24, 20, [](Colour c) { return c == rgb(0x6D, 0xD9, 0xFF); }), 24 * 20);
}

TEST(SpriteSheetTest, DrawOntoClipsToTheSurface)
{
    Surface surface(40, 10, 0x123456);
    SpriteSheet::drawOnto(surface, -510, 2);
    EXPECT_EQ(surface.pixel(0, 2), rgb(0x6D, 0xD9, 0xFF));
    EXPECT_EQ(surface.pixel(23, 9), rgb(0x6D, 0xD9, 0xFF));
    EXPECT_EQ(surface.pixel(24, 2), 0x123456u);
    EXPECT_EQ(surface.pixel(0, 1), 0x123456u);
}

} // namespace
} // namespace norvo
