#include "labels/SpriteSheet.h"
#include "labels/UserLabelGraph.h"
#include "platform/CheckedMath.h"

#include <gtest/gtest.h>

#include <limits>

namespace norvo {
namespace {

bool red(Colour c) { return redOf(c) > 180 && greenOf(c) < 80 && blueOf(c) < 80; }
bool green(Colour c) { return greenOf(c) > 160 && redOf(c) < 100 && blueOf(c) < 120; }
bool blue(Colour c) { return blueOf(c) > 180 && redOf(c) < 100; }
bool yellow(Colour c) { return redOf(c) > 200 && greenOf(c) > 150 && blueOf(c) < 100; }
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

// The denser sheet holds each image at twice its place in the standard one.
class SpriteSheetTest : public ::testing::TestWithParam<Sheet> { };

TEST_P(SpriteSheetTest, EachStateImageCarriesItsColours)
{
    const Sheet& s = GetParam();
    const int area = s.scale * s.scale;
    EXPECT_EQ(s.image->width(), 534 * s.scale);
    EXPECT_EQ(s.image->height(), 20 * s.scale);
    EXPECT_GT(s.count(17, 17, 17, green), s.count(0, 17, 17, green)) << "status lamp lit";
    EXPECT_EQ(s.count(68, 17, 17, green), 0) << "network down";
    EXPECT_EQ(s.count(85, 17, 17, red), 0) << "network up";
    EXPECT_GT(s.count(102, 18, 19, blue), 100 * area) << "blue close button";
    EXPECT_GT(s.count(120, 18, 19, yellow), 100 * area) << "yellow close button";
    for (const std::int32_t x : {138, 174}) {
        EXPECT_GT(s.count(x, 18, 16, red), 0) << "crossed out at " << x;
        EXPECT_EQ(s.count(x + 18, 18, 16, red), 0) << "plain at " << x + 18;
    }
    // The knob's red mark points down-left, then up.
    EXPECT_EQ(s.count(210, 20, 9, red), 0);
    EXPECT_GT(s.count(230, 20, 9, red), 0);
    for (std::int32_t x = 270; x < 510; x += 40)
        EXPECT_TRUE(blue(s.at(x, 5)) && yellow(s.at(x + 20, 5))) << "key caps at x " << x;
    EXPECT_EQ(s.count(510, 24, 20, [](Colour c) { return c == LightBlue; }), 24 * 20 * area);
}

INSTANTIATE_TEST_SUITE_P(BothDensities, SpriteSheetTest,
    ::testing::Values(
        Sheet{&SpriteSheet::image(), 1}, Sheet{&SpriteSheet::highDensityImage(), SpriteSheet::HighDensityScale}),
    [](const auto& info) { return info.param.scale == 1 ? "Standard" : "High"; });

TEST(HighDensitySpriteSheetTest, RectanglesScaleWithCheckedArithmetic)
{
    EXPECT_EQ(SpriteSheet::highDensityRect({174, 0, 18, 16}), (Rect{348, 0, 36, 32}));
    EXPECT_THROW(
        SpriteSheet::highDensityRect({std::numeric_limits<std::int32_t>::max() / 2 + 1, 0, 1, 1}), ArithmeticOverflow);
}

} // namespace
} // namespace norvo
