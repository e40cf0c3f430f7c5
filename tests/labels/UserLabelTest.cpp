#include "labels/UserLabel.h"
#include "platform/ManualClock.h"
#include "skin/Skin.h"
#include "support/ChangeCounter.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

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

class StatusLookTest : public UserLabelTest, public ::testing::WithParamInterface<std::tuple<std::int32_t, Look>> {};

TEST_P(StatusLookTest, PaintsTheStatusTriple)
{
    const auto [status, expected] = GetParam();
    label.Status(status);
    EXPECT_EQ(look(), expected);
}

INSTANTIATE_TEST_SUITE_P(Triples, StatusLookTest,
    ::testing::Values(std::tuple{0, Look{0x30CD65, 0x000000, 0x258844}},
        std::tuple{1, Look{0x000000, 0x4FE165, 0x258844}},
        std::tuple{2, Look{0x0103FF, 0x000000, 0x000561}}, std::tuple{3, Look{0x000000, 0xFFFFFF, 0x808080}},
        std::tuple{4, Look{0x000000, 0x2BBAFD, 0x00A4D8}}, std::tuple{5, Look{0x000000, 0xFFD96D, 0x8B6C37}},
        std::tuple{6, Look{0x808080, 0xFFD96D, 0x8B6C37}}));

TEST_F(UserLabelTest, StatusSevenAndUpKeepsTheColoursAndNegativeIsIgnored)
{
    label.Status(2);
    label.Status(7);
    EXPECT_EQ(label.Status(), 7);
    EXPECT_EQ(look(), (Look{0x0103FF, 0x000000, 0x000561}));
    label.Status(-1);
    EXPECT_EQ(label.Status(), 7);
    EXPECT_EQ(look(), (Look{0x0103FF, 0x000000, 0x000561}));
}

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

class BlinkTest : public UserLabelTest, public ::testing::WithParamInterface<BlinkCase> {};

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
    EXPECT_EQ(look(), (Look{Skin::SkinColours[3 * c.status], Skin::SkinColours[3 * c.status + 1],
                          Skin::SkinColours[3 * c.status + 2]}));
}

INSTANTIATE_TEST_SUITE_P(Loops, BlinkTest,
    ::testing::Values(BlinkCase{5, 4, 2, {4, 5, 5}}, BlinkCase{3, 1, 1, {1, 3}}, BlinkCase{3, 2, 3, {2, 2, 3, 3}},
        BlinkCase{0, 2, 4, {2, 0, 2, 0, 0}}, BlinkCase{1, -1, 2, {1, 1, 1}}));

TEST_F(UserLabelTest, BlinkDuringABlinkIsIgnored)
{
    label.Blink(4, 2);
    clock.advance(100);
    label.Blink(6, 8);
    EXPECT_EQ(label.Status(), 4);
    EXPECT_EQ(label.BlinkStatus(), 4);
    EXPECT_EQ(ticks(2), (std::vector<std::int32_t>{0, 0}));
    EXPECT_FALSE(label.BlinkTimer().running());
}

TEST_F(UserLabelTest, BlinkStopReturnsToTheSavedStatusAtOnceAndIdleStopDoesNothing)
{
    label.Status(5);
    label.BlinkStop();
    EXPECT_EQ(label.Status(), 5);

    label.Blink(4, 4);
    label.BlinkStop();
    EXPECT_EQ(label.Status(), 5);
    EXPECT_EQ(label.BlinkRemaining(), 0);
    EXPECT_FALSE(label.BlinkTimer().running());
    label.Status(1);
    clock.advance(2000);
    EXPECT_EQ(label.Status(), 1);
}

TEST_F(UserLabelTest, DirectStatusDuringABlinkIsOverwrittenByTheNextTick)
{
    label.Status(5);
    label.Blink(4, 3);
    label.Status(2);
    EXPECT_EQ(look().text, 0x0103FFu);
    EXPECT_EQ(ticks(3), (std::vector<std::int32_t>{4, 5, 5}));
}

TEST_F(UserLabelTest, BlinkLoopBelowOneIsRejectedAndChangesNothing)
{
    label.Status(5);
    EXPECT_THROW(label.Blink(4, 0), std::invalid_argument);
    EXPECT_EQ(label.Status(), 5);
    EXPECT_FALSE(label.BlinkTimer().running());
    label.Blink(4, 2);
    EXPECT_EQ(label.Status(), 4) << "a rejected call must not block later blinks";
}

TEST_F(UserLabelTest, HoverFlashesStylesFourAndEightToTheOtherState)
{
    label.Style(4);
    label.Status(0);
    label.lblCaption().mouseMove({});
    EXPECT_EQ(label.Status(), 1);
    label.mouseMove({});
    EXPECT_EQ(ticks(2), (std::vector<std::int32_t>{0, 0}));
    label.mouseMove({});
    EXPECT_EQ(label.Status(), 1);
    label.BlinkStop();

    label.Style(8);
    label.Status(1);
    label.mouseMove({});
    EXPECT_EQ(label.Status(), 0);
    label.BlinkStop();

    label.Status(2);
    label.mouseMove({});
    label.Style(5);
    label.Status(0);
    label.lblCaption().mouseMove({});
    EXPECT_FALSE(label.BlinkTimer().running());
}

struct FontCase {
    const char* fontEx;
    std::int32_t top;
    std::int32_t left;
    const char* font;
    double size;
};

class FontExTest : public UserLabelTest, public ::testing::WithParamInterface<FontCase> {};

TEST_P(FontExTest, PlacesTheCaptionForItsGlyphFont)
{
    const FontCase& c = GetParam();
    label.Caption("3");
    label.FontEx(c.fontEx);
    const Label& caption = label.lblCaption();
    EXPECT_EQ(label.FontEx(), c.fontEx);
    EXPECT_EQ(caption.caption(), "3");
    EXPECT_EQ(caption.top(), c.top);
    EXPECT_EQ(caption.left(), c.left);
    EXPECT_EQ(caption.font().name, c.font);
    EXPECT_EQ(caption.font().size, c.size);
}

INSTANTIATE_TEST_SUITE_P(Layouts, FontExTest,
    ::testing::Values(FontCase{"Left", -1, 2, "Marlett", 10}, FontCase{"Right", -1, 1, "Marlett", 10},
        FontCase{"Close", 2, 1, "Marlett", 7}, FontCase{"left", -1, 0, "Arial", 8}, FontCase{"", -1, 0, "Arial", 8},
        FontCase{"Wingdings", -1, 0, "Arial", 8}));

TEST_F(UserLabelTest, HandCursorSetsBothPointersAndEnabledReadsFalseUntilSet)
{
    label.HandCursor(true);
    EXPECT_EQ(label.mousePointer(), 99);
    EXPECT_EQ(label.lblCaption().mousePointer(), 99);
    label.HandCursor(false);
    EXPECT_EQ(label.mousePointer(), 0);
    EXPECT_EQ(label.lblCaption().mousePointer(), 0);

    EXPECT_FALSE(label.Enabled());
    EXPECT_TRUE(label.enabled());
    label.Enabled(false);
    EXPECT_FALSE(label.enabled());
    EXPECT_FALSE(label.lblCaption().enabled());
    label.Enabled(true);
    EXPECT_TRUE(label.Enabled());
    EXPECT_TRUE(label.lblCaption().enabled());
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

} // namespace
} // namespace norvo
