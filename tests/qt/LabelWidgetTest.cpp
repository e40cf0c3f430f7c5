#include "SampleForm.h"

namespace norvo::qt {
namespace {

using testing::colourAt;
using testing::render;
using testing::SampleForm;

// The mean x of the white pixels in an area, -1 when there are none.
int meanWhiteX(const QImage& image, const QRect& area)
{
    int sum = 0;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (const Colour c = colourAt(image, x, y); redOf(c) > 200 && greenOf(c) > 200 && blueOf(c) > 200) {
                sum += x;
                ++count;
            }
    return count ? sum / count : -1;
}

// Transparent: the row's black shows between the letters.
TEST_F(SampleForm, HiddenRoomRevealsTheTransparentWarningAlignedAsSet)
{
    const QRect area(22, 4, 96, 14);
    room.setVisible(false);
    const QImage image = render(view);
    EXPECT_EQ(colourAt(image, 23, 5), 0u);
    EXPECT_EQ(colourAt(image, 88, 10), 0u);
    const int left = meanWhiteX(image, area);
    EXPECT_GT(left, 0);
    warning.setAlignment(Alignment::Center);
    const int centre = meanWhiteX(render(view), area);
    EXPECT_NEAR(centre, 70, 3);
    warning.setAlignment(Alignment::Right);
    EXPECT_LT(left, centre);
    EXPECT_LT(centre, meanWhiteX(render(view), area));
}

} // namespace
} // namespace norvo::qt
