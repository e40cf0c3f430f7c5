#include "labels/UserLabel.h"
#include "labels/PropertyBag.h"
#include "platform/ManualClock.h"
#include "skin/Skin.h"
#include "support/CaseNames.h"
#include "support/ChangeCounter.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace norvo {
namespace {

struct Look {
    Colour text;
    Colour fill;
    Colour border;
    bool operator==(const Look&) const = default;
};

struct UserLabelTest : ::testing::Test {
    Look look() const
    {
        return {label.lblCaption().foreColor(), label.shpCaption().fillColor(), label.shpCaption().borderColor()};
    }
    // The statuses shown at each of the next ticks.
    std::vector<std::int32_t> ticks(int count)
    {
        std::vector<std::int32_t> shown;
        for (int i = 0; i < count; ++i) {
            clock.advance(UserLabel::BlinkInterval);
            shown.push_back(label.Status());
        }
        return shown;
    }
    ManualClock clock;
    UserLabel label{"btnQuit", Control::NoIndex, clock};
};

TEST_F(UserLabelTest, SameStatusAgainRepaintsNothing)
{
    label.Status(5);
    testing::ChangeCounter paints(label);
    label.Status(5);
    label.Caption("x");
    EXPECT_EQ(paints.count(), 1u) << "only the caption changed";
}

struct BlinkCase {
    std::int32_t status;
    std::int32_t blinkStatus;
    std::int32_t loop;
    std::vector<std::int32_t> shown; // at once, then after each tick
};

void PrintTo(const BlinkCase& c, std::ostream* out)
{
    *out << "status " << c.status << " blink " << c.blinkStatus << " loop " << c.loop;
}

class BlinkTest : public UserLabelTest, public ::testing::WithParamInterface<BlinkCase> { };

TEST_P(BlinkTest, AlternatesOncePerTickAndStopsOnTheSavedStatus)
{
    const BlinkCase& c = GetParam();
    label.Status(c.status);
    label.Blink(c.blinkStatus, c.loop);
    std::vector<std::int32_t> shown{label.Status()};
    const auto after = ticks(c.loop);
    shown.insert(shown.end(), after.begin(), after.end());
    EXPECT_EQ(shown, c.shown);
    EXPECT_FALSE(label.BlinkTimer().running());
    EXPECT_EQ(label.BlinkRemaining(), 0);
    EXPECT_EQ(look(),
        (Look{Skin::SkinColours[3 * c.status], Skin::SkinColours[3 * c.status + 1],
            Skin::SkinColours[3 * c.status + 2]}));
}

INSTANTIATE_TEST_SUITE_P(Loops, BlinkTest,
    ::testing::Values(BlinkCase{5, 4, 2, {4, 5, 5}}, BlinkCase{3, 2, 3, {2, 2, 3, 3}},
        BlinkCase{0, 2, 4, {2, 0, 2, 0, 0}}, BlinkCase{1, -1, 2, {1, 1, 1}}),
    NamedAfterPrintTo());

TEST_F(UserLabelTest, BlinkLoopBelowOneIsRejectedAndChangesNothing)
{
    label.Status(5);
    EXPECT_THROW(label.Blink(4, 0), std::invalid_argument);
    EXPECT_EQ(label.Status(), 5);
    EXPECT_FALSE(label.BlinkTimer().running());
    label.Blink(4, 2);
    EXPECT_EQ(label.Status(), 4) << "a rejected call must not block later blinks";
}

TEST_F(UserLabelTest, BodyDoubleClickIsAClickCaptionDoubleClickIsADoubleClick)
{
    std::vector<std::string> events;
    label.Click.connect([&] { events.push_back("Click"); });
    label.DblClick.connect([&] { events.push_back("DblClick"); });
    label.lblCaption().click();
    label.lblCaption().dblClick();
    label.click();
    label.dblClick();
    EXPECT_EQ(events, (std::vector<std::string>{"Click", "DblClick", "Click", "Click"}));
}

// Acts when the watched control changes its width.
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

TEST_F(UserLabelTest, ResizeSizesTheChildrenAndIgnoresAResizeInsideIt)
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
    EXPECT_FALSE(label.InResize());
}

TEST_F(UserLabelTest, ResizeErrorsAreIgnoredAndTheGuardIsCleared)
{
    OnWidth failing(label.lblCaption(), [] { throw std::runtime_error("caption cannot resize"); });
    EXPECT_NO_THROW(label.setSize(25, 14));
    EXPECT_EQ(label.shpCaption().width(), 25);
    EXPECT_EQ(label.shpCaption().height(), 14);
    EXPECT_FALSE(label.InResize());
}

TEST_F(UserLabelTest, CreationValuesAreStoredAndAnEmptyStoreGivesTheDefaults)
{
    PropertyBag fresh;
    label.WriteProperties(fresh);
    EXPECT_EQ(fresh.entries(),
        (std::vector<PropertyBag::Entry>{
            {"caption", std::string("-")}, {"tooltiptextex", std::string("ok")}, {"handcursor", false}}));

    label.ReadProperties(PropertyBag{});
    EXPECT_EQ(label.Caption(), "");
    EXPECT_EQ(label.ToolTipTextEx(), "");
    EXPECT_TRUE(label.HandCursor());
    EXPECT_EQ(label.mousePointer(), 99);
    PropertyBag defaults;
    label.WriteProperties(defaults);
    EXPECT_TRUE(defaults.empty());
}

TEST_F(UserLabelTest, ValueThatCannotBeConvertedStopsReadingThere)
{
    PropertyBag bag;
    bag.WriteProperty("Caption", std::string("x"), std::string());
    bag.WriteProperty("Status", std::int32_t{2}, std::int32_t{0});
    bag.WriteProperty("Style", std::string("six"), std::string());
    bag.WriteProperty("ToolTipTextEx", std::string("later"), std::string());
    bag.WriteProperty("HandCursor", false, true);
    EXPECT_THROW(label.ReadProperties(PropertyBag::parse(bag.serialize())), PropertyStoreError);
    EXPECT_EQ(label.Caption(), "x");
    EXPECT_EQ(label.Status(), 2);
    EXPECT_EQ(label.Style(), 0);
    EXPECT_EQ(label.ToolTipTextEx(), "ok");
    EXPECT_FALSE(label.HandCursor());
    EXPECT_EQ(label.mousePointer(), 99);
}

} // namespace
} // namespace norvo
