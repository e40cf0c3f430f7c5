#include "labels/UserLabel.h"
#include "labels/PropertyBag.h"
#include "platform/ManualClock.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace norvo {
namespace {

// Blinking, the status colours, the glyph layouts and what a label stores
// are scenarios (label-*.script, stored-label-properties.script); that an
// unchanged status repaints nothing, the panel's refresh test.
struct UserLabelTest : ::testing::Test {
    ManualClock clock;
    UserLabel label{"btnQuit", Control::NoIndex, clock};
};

TEST_F(UserLabelTest, BlinkLoopBelowOneIsRejectedAndChangesNothing)
{
    label.Status(5);
    EXPECT_THROW(label.Blink(4, 0), std::invalid_argument);
    EXPECT_EQ(label.Status(), 5);
    EXPECT_FALSE(label.BlinkTimer().running());
    label.Blink(4, 2);
    EXPECT_EQ(label.Status(), 4) << "a rejected call must not block later blinks";
}

// Runs an action each time the watched control's width changes.
struct OnWidth : ControlObserver {
    OnWidth(Control& watched, std::function<void()> action)
        : watched(watched)
        , action(std::move(action))
    {
        watched.addObserver(this);
    }
    ~OnWidth() override { watched.removeObserver(this); }
    void controlChanged(Control& control, Property property) override
    {
        if (&control == &watched && property == Property::Width)
            action();
    }
    Control& watched;
    std::function<void()> action;
};

// A resize sizes the caption and the shape; a resize the children cause
// while it runs is ignored, and so are their errors.
TEST_F(UserLabelTest, ResizeSizesTheChildrenIgnoringNestedResizesAndErrors)
{
    label.FontEx("Close");
    bool sawGuard = false;
    OnWidth nested(label.lblCaption(), [&] {
        sawGuard = label.InResize();
        label.setSize(40, 40);
    });
    label.setSize(25, 14);
    EXPECT_TRUE(sawGuard);
    EXPECT_EQ(label.lblCaption().top(), 2) << "resizing keeps the caption's place";
    EXPECT_EQ(label.width(), 40);
    EXPECT_EQ(label.lblCaption().width(), 25) << "the nested resize ran";
    EXPECT_EQ(label.shpCaption().width(), 40);
    nested.action = [] { throw std::runtime_error("caption cannot resize"); };
    EXPECT_NO_THROW(label.setSize(30, 14));
    EXPECT_EQ(label.shpCaption().width(), 30);
    EXPECT_FALSE(label.InResize());
}

TEST_F(UserLabelTest, ValueThatCannotBeConvertedStopsReadingThere)
{
    EXPECT_EQ(label.Caption(), "-") << "the caption a label has until it is loaded";
    PropertyBag bag;
    bag.WriteProperty("Caption", std::string("x"), std::string());
    bag.WriteProperty("Status", std::int32_t{2}, std::int32_t{0});
    bag.WriteProperty("Style", std::string("six"), std::string());
    bag.WriteProperty("ToolTipTextEx", std::string("later"), std::string());
    EXPECT_THROW(label.ReadProperties(PropertyBag::parse(bag.serialize())), PropertyStoreError);
    EXPECT_EQ(label.Caption(), "x");
    EXPECT_EQ(label.Status(), 2);
    EXPECT_EQ(label.Style(), 0);
    EXPECT_EQ(label.ToolTipTextEx(), "ok") << "the creation value stays";
    EXPECT_EQ(label.mousePointer(), 99);
}

} // namespace
} // namespace norvo
