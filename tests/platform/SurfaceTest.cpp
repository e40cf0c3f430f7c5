#include "platform/Surface.h"
#include "support/CaseNames.h"

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

struct StretchCase {
    const char* what;
    Rect source;
    Rect destination;
};

void PrintTo(const StretchCase& c, std::ostream* out) { *out << c.what; }

class SurfaceStretch : public ::testing::TestWithParam<StretchCase> { };

// Each destination pixel is sampled nearest-neighbour from the surface as it
// was before, the background outside it; everything else keeps its colour.
TEST_P(SurfaceStretch, SamplesTheSurfaceAsItWasNearestNeighbour)
{
    const auto& [what, source, destination] = GetParam();
    Surface surface(12, 10, 0x0A0B0C);
    for (std::int32_t y = 0; y < 10; ++y)
        for (std::int32_t x = 0; x < 12; ++x)
            surface.setPixel(x, y, static_cast<Colour>(0x010000 * y + x + 1));
    const Surface before = surface;
    surface.stretch(source, destination);
    for (std::int32_t y = 0; y < 10; ++y)
        for (std::int32_t x = 0; x < 12; ++x) {
            Colour expected = before.pixel(x, y);
            if (x >= destination.x && x < destination.x + destination.width && y >= destination.y
                && y < destination.y + destination.height) {
                const std::int32_t sx = source.x + (x - destination.x) * source.width / destination.width;
                const std::int32_t sy = source.y + (y - destination.y) * source.height / destination.height;
                expected = sx >= 0 && sx < 12 && sy >= 0 && sy < 10 ? before.pixel(sx, sy) : before.background();
            }
            ASSERT_EQ(surface.pixel(x, y), expected) << what << " at (" << x << ", " << y << ")";
        }
}

INSTANTIATE_TEST_SUITE_P(Blocks, SurfaceStretch,
    ::testing::Values(StretchCase{"enlarged", {1, 1, 3, 2}, {4, 3, 8, 6}},
        StretchCase{"shrunk", {0, 0, 12, 10}, {2, 2, 5, 3}},
        StretchCase{"uneven both ways", {2, 1, 5, 4}, {0, 0, 7, 9}},
        StretchCase{"unscaled, partly off the surface", {-3, 8, 6, 4}, {5, 2, 6, 4}},
        StretchCase{"destination past the edges", {0, 0, 4, 4}, {-2, 7, 9, 6}},
        StretchCase{"overlapping", {0, 0, 6, 5}, {2, 1, 8, 6}},
        StretchCase{"unscaled, overlapping", {0, 0, 3, 1}, {1, 0, 3, 1}}),
    NamedAfterPrintTo());

TEST(Surface, PictureDrawsClippedAndSurfacesCompareByWhatTheyShow)
{
    Surface picture(3, 2, 0x0000FF);
    picture.setPixel(0, 1, 0x00FF00);
    Surface surface(4, 3, 0x111111);
    const Surface blank = surface;
    // Drawn in the background colour: still the same as a blank surface.
    surface.fill({0, 0, 4, 3}, 0x111111);
    EXPECT_EQ(surface, blank);
    surface.draw(picture, -1, 2);
    EXPECT_EQ(surface.pixel(0, 2), 0x0000FFu);
    EXPECT_EQ(surface.pixel(1, 2), 0x0000FFu);
    EXPECT_EQ(surface.pixel(2, 2), 0x111111u);
    EXPECT_EQ(surface.pixel(0, 1), 0x111111u);
    EXPECT_NE(surface, blank);
    // Undrawn rows copied over drawn ones leave the background.
    surface.copy({0, 0, 4, 2}, 0, 1);
    EXPECT_EQ(surface, blank);
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
