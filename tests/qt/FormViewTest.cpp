#include "SampleForm.h"

namespace norvo::qt {
namespace {

using testing::colourAt;
using testing::PaintCounter;
using testing::render;
using testing::SampleForm;

// Windowed controls lie above windowless ones whatever the model's order;
// among windowless ones the later lies on top.
TEST_F(SampleForm, ControlsAreStackedAndDrawnAsThePlatformDoes)
{
    const QImage image = render(view);
    EXPECT_EQ(colourAt(image, 3, 10), 0x0000FFu);
    EXPECT_EQ(colourAt(image, 12, 20), testing::Teal);
    EXPECT_EQ(colourAt(image, 88, 10), testing::Green);
    EXPECT_EQ(colourAt(image, 10, 5), testing::Border);
    EXPECT_EQ(colourAt(image, 19, 9), testing::Border);
    EXPECT_EQ(colourAt(image, 12, 5), testing::Fill);
    EXPECT_EQ(colourAt(image, 18, 8), testing::Fill);
}

TEST_F(SampleForm, ChangeRepaintsOnlyItsWidgetAndAnUnchangedValueNothing)
{
    testing::showAndExpose(view);
    PaintCounter statusPaints(view.widgetFor(status));
    PaintCounter barPaints(view.widgetFor(bar));
    status.setBackColor(testing::Green);
    QApplication::processEvents();
    EXPECT_EQ(statusPaints.paints, 0);
    status.setBackColor(0x404040);
    QApplication::processEvents();
    EXPECT_EQ(statusPaints.paints, 1);
    EXPECT_EQ(barPaints.paints, 0);
    EXPECT_EQ(colourAt(render(view), 88, 10), 0x404040u);
}

TEST_F(SampleForm, TabOrderFollowsTheForm)
{
    auto& other = room.addChild(std::make_unique<PictureBox>("Other"));
    bar.setTabIndex(0);
    other.setTabIndex(1);
    status.setTabIndex(2);
    FormView tabbed(form);
    const auto next = [&](const Control& control) { return tabbed.widgetFor(control)->nextInFocusChain(); };
    EXPECT_EQ(next(bar), tabbed.widgetFor(other));
    EXPECT_EQ(next(other), tabbed.widgetFor(status));
    other.setTabIndex(3);
    EXPECT_EQ(next(bar), tabbed.widgetFor(status));
}

} // namespace
} // namespace norvo::qt
