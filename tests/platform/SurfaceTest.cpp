#include "platform/Surface.h"

#include <gtest/gtest.h>

namespace norvo {
namespace {

TEST(Surface, CopyMovesABlockAndClipsAtTheEdges)
{
    Surface surface(10, 10, 0x111111);
    surface.fill({0, 0, 2, 2}, 0x0000FF);
    surface.copy({0, 0, 2, 2}, 9, 9);
    EXPECT_EQ(surface.pixel(9, 9), 0x0000FFu);
    EXPECT_EQ(surface.pixel(8, 8), 0x111111u);
    EXPECT_THROW(surface.pixel(10, 0), std::out_of_range);
}

TEST(Surface, StretchIsNearestNeighbour)
{
    Surface surface(8, 8);
    surface.setPixel(0, 0, 0x0000FF);
    surface.setPixel(1, 0, 0x00FF00);
    surface.stretch({0, 0, 2, 1}, {0, 4, 8, 2});
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(surface.pixel(x, 4), 0x0000FFu) << x;
        EXPECT_EQ(surface.pixel(x, 5), 0x0000FFu) << x;
    }
    for (int x = 4; x < 8; ++x)
        EXPECT_EQ(surface.pixel(x, 4), 0x00FF00u) << x;
}

TEST(Surface, OverlappingCopyBehavesLikeABlit)
{
    Surface surface(4, 1);
    for (int x = 0; x < 4; ++x)
        surface.setPixel(x, 0, static_cast<Colour>(x + 1));
    surface.copy({0, 0, 3, 1}, 1, 0);
    EXPECT_EQ(surface.pixel(1, 0), 1u);
    EXPECT_EQ(surface.pixel(2, 0), 2u);
    EXPECT_EQ(surface.pixel(3, 0), 3u);
}

TEST(Surface, HugeOrNegativeRectanglesAreHarmless)
{
    Surface surface(4, 4, 0x222222);
    surface.fill({-5, -5, 0x7FFFFFFF, 0x7FFFFFFF}, 0x333333);
    EXPECT_EQ(surface.pixel(3, 3), 0x333333u);
    surface.stretch({-100, -100, 4, 4}, {0, 0, 4, 4});
    EXPECT_EQ(surface.pixel(0, 0), 0x222222u);
    EXPECT_THROW(Surface(-1, 4), std::invalid_argument);
}

} // namespace
} // namespace norvo
