#include "labels/SpriteSheet.h"

#include <gtest/gtest.h>

#include <set>

namespace norvo {
namespace {

constexpr Colour Background = 0x000000;

Colour at(std::int32_t x, std::int32_t y) { return SpriteSheet::image().pixel(x, y); }

// Whether some pixel of the block is mostly of the given hue.
bool holds(const Rect& block, bool (*hue)(Colour))
{
    for (std::int32_t y = block.y; y < block.y + block.height; ++y)
        for (std::int32_t x = block.x; x < block.x + block.width; ++x)
            if (hue(at(x, y)))
                return true;
    return false;
}

bool red(Colour c) { return redOf(c) > 180 && greenOf(c) < 80 && blueOf(c) < 80; }
bool green(Colour c) { return greenOf(c) > 160 && redOf(c) < 100 && blueOf(c) < 120; }
bool blue(Colour c) { return blueOf(c) > 180 && redOf(c) < 100; }
bool yellow(Colour c) { return redOf(c) > 200 && greenOf(c) > 150 && blueOf(c) < 100; }

std::set<Colour> coloursIn(const Rect& block)
{
    std::set<Colour> colours;
    for (std::int32_t y = block.y; y < block.y + block.height; ++y)
        for (std::int32_t x = block.x; x < block.x + block.width; ++x)
            colours.insert(at(x, y));
    return colours;
}

TEST(SpriteSheetTest, IsA534By20ImageWithEveryPairOfStatesDistinct)
{
    EXPECT_EQ(SpriteSheet::image().width(), 534);
    EXPECT_EQ(SpriteSheet::image().height(), 20);
    // Each image of the layout, state by state: drawn, and unlike its partner.
    const struct {
        std::int32_t x, width, height, states;
    } images[] = {{0, 17, 17, 2}, {34, 17, 17, 2}, {68, 17, 17, 2}, {102, 18, 19, 2}, {138, 18, 16, 2}, {174, 18, 16, 2},
        {210, 20, 20, 3}, {270, 20, 12, 2}, {310, 20, 12, 2}, {350, 20, 12, 2}, {390, 20, 12, 2}, {430, 20, 12, 2},
        {470, 20, 12, 2}};
    for (const auto& image : images) {
        for (std::int32_t s = 0; s < image.states; ++s) {
            const Rect block{image.x + s * image.width, 0, image.width, image.height};
            EXPECT_GT(coloursIn(block).size(), 2u) << "image at x " << block.x;
            if (s > 0) {
                const Rect previous{block.x - image.width, 0, image.width, image.height};
                bool differs = false;
                for (std::int32_t y = 0; y < image.height && !differs; ++y)
                    for (std::int32_t x = 0; x < image.width && !differs; ++x)
                        differs = at(previous.x + x, y) != at(block.x + x, y);
                EXPECT_TRUE(differs) << "states alike at x " << block.x;
            }
        }
    }
}

TEST(SpriteSheetTest, StatesCarryTheirColours)
{
    EXPECT_TRUE(holds({68, 0, 17, 17}, red));
    EXPECT_FALSE(holds({68, 0, 17, 17}, green));
    EXPECT_TRUE(holds({85, 0, 17, 17}, green));
    EXPECT_FALSE(holds({85, 0, 17, 17}, red));
    EXPECT_TRUE(holds({102, 0, 18, 19}, blue));
    EXPECT_TRUE(holds({120, 0, 18, 19}, yellow));
    EXPECT_TRUE(holds({138, 0, 18, 16}, red)) << "crossed-out bell";
    EXPECT_FALSE(holds({156, 0, 18, 16}, red));
    EXPECT_TRUE(holds({174, 0, 18, 16}, red)) << "crossed-out loudspeaker";
    EXPECT_FALSE(holds({192, 0, 18, 16}, red));
    for (std::int32_t x = 270; x < 510; x += 40) {
        EXPECT_TRUE(blue(at(x, 5)) && !yellow(at(x, 5))) << "key cap at x " << x;
        EXPECT_TRUE(yellow(at(x + 20, 5))) << "key cap at x " << x + 20;
    }
    EXPECT_EQ(coloursIn({510, 0, 24, 20}), std::set<Colour>{rgb(0x6D, 0xD9, 0xFF)});
}

TEST(SpriteSheetTest, SpeakersLeaveTheBottomRowEmptyForTheirFifteenPixelButtons)
{
    for (std::int32_t x = 174; x < 210; ++x)
        EXPECT_EQ(at(x, 15), Background) << x;
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
