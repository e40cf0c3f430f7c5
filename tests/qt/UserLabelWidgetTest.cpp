#include "SampleForm.h"

#include "labels/UserLabelGraph.h"

namespace norvo::qt {
namespace {

using testing::colourAt;
using testing::render;
using testing::SampleForm;

// At a device pixel ratio of 2 each surface pixel is a sharp 2 x 2 block.
TEST_F(SampleForm, GraphLabelShowsItsSurfaceUnblurredAndFollowsItsRedraws)
{
    auto& speaker = form.addChild(std::make_unique<UserLabelGraph>("ToSpeaker", 0, clock));
    speaker.setGeometry(30, 3, 18, 15);
    speaker.Style(6);
    FormView graphView(form);
    const auto showsSurface = [&](const QImage& image) {
        int wrong = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 36; ++x)
                wrong += colourAt(image, 60 + x, 6 + y) != speaker.surface().pixel(x / 2, y / 2);
        return wrong == 0;
    };
    const QImage before = render(graphView, 2.0);
    EXPECT_TRUE(showsSurface(before));
    speaker.Status(1);
    const QImage after = render(graphView, 2.0);
    EXPECT_TRUE(showsSurface(after));
    EXPECT_NE(before, after);
}

} // namespace
} // namespace norvo::qt
