#include "labels/PropertyBag.h"
#include "labels/UserLabelGraph.h"
#include "platform/ManualClock.h"

#include <gtest/gtest.h>

namespace norvo {
namespace {

// A store as the container keeps it: written, turned into bytes and back.
PropertyBag stored(const std::vector<std::pair<std::string, PropertyBag::Value>>& values)
{
    PropertyBag bag;
    for (const auto& [name, value] : values)
        bag.WriteProperty(name, value, std::string("\x01"));
    return PropertyBag::parse(bag.serialize());
}

struct LabelPropertiesTest : ::testing::Test {
    ManualClock clock;
    UserLabel btnQuit{"btnQuit", Control::NoIndex, clock};
    UserLabelGraph speaker{"GeneralSpeaker", Control::NoIndex, clock};
};

TEST_F(LabelPropertiesTest, EmptyStoreGivesTheDefaults)
{
    btnQuit.ReadProperties(PropertyBag{});
    EXPECT_EQ(btnQuit.Caption(), "");
    EXPECT_EQ(btnQuit.Status(), 0);
    EXPECT_EQ(btnQuit.Style(), 0);
    EXPECT_EQ(btnQuit.ToolTipTextEx(), "");
    EXPECT_EQ(btnQuit.FontEx(), "");
    EXPECT_EQ(btnQuit.lblCaption().font().name, "Arial");
    EXPECT_TRUE(btnQuit.HandCursor());
    EXPECT_EQ(btnQuit.mousePointer(), 99);
}

TEST_F(LabelPropertiesTest, StoredCloseButtonComesUpLightBlueWithTheArrowPointer)
{
    btnQuit.ReadProperties(stored({{"Caption", std::string("x")}, {"Status", std::int32_t{5}},
        {"ToolTipTextEx", std::string("ok")}, {"HandCursor", false}}));
    EXPECT_EQ(btnQuit.Caption(), "x");
    EXPECT_EQ(btnQuit.lblCaption().foreColor(), 0u);
    EXPECT_EQ(btnQuit.shpCaption().fillColor(), 0xFFD96Du);
    EXPECT_EQ(btnQuit.shpCaption().borderColor(), 0x8B6C37u);
    EXPECT_EQ(btnQuit.ToolTipTextEx(), "ok");
    EXPECT_EQ(btnQuit.mousePointer(), 0);
    EXPECT_EQ(btnQuit.lblCaption().mousePointer(), 0);
}

TEST_F(LabelPropertiesTest, StoredGeneralSpeakerShowsTheCrossedOutLoudspeaker)
{
    speaker.setSize(18, 15);
    speaker.ReadProperties(stored({{"Style", std::int32_t{6}},
        {"ToolTipTextEx", std::string("All Channels to Speaker")}, {"HandCursor", false}}));
    EXPECT_EQ(speaker.SpriteRect(), (Rect{174, 0, 18, 16}));
    EXPECT_FALSE(speaker.shpCaption().visible());
    EXPECT_EQ(speaker.Caption(), "");
    EXPECT_EQ(speaker.ToolTipTextEx(), "All Channels to Speaker");
    EXPECT_EQ(speaker.mousePointer(), 0);
}

TEST_F(LabelPropertiesTest, WritesOnlyWhatDiffersFromTheDefaults)
{
    PropertyBag fresh;
    btnQuit.WriteProperties(fresh);
    EXPECT_EQ(fresh.entries(), (std::vector<PropertyBag::Entry>{{"caption", std::string("-")},
                                   {"tooltiptextex", std::string("ok")}, {"handcursor", false}}));

    btnQuit.ReadProperties(PropertyBag{});
    PropertyBag defaults;
    btnQuit.WriteProperties(defaults);
    EXPECT_TRUE(defaults.empty());
}

TEST_F(LabelPropertiesTest, WritesWhatIsShownAtThatMoment)
{
    speaker.Caption("Spk");
    speaker.Style(6);
    speaker.Status(2);
    speaker.Blink(1, 2);
    PropertyBag bag;
    speaker.WriteProperties(bag);
    // The caption sits in Tag, so the stored one is empty (the default).
    EXPECT_EQ(bag.entries(), (std::vector<PropertyBag::Entry>{{"status", std::int32_t{1}}, {"style", std::int32_t{6}},
                                 {"tooltiptextex", std::string("ok")}, {"handcursor", false}}));
}

TEST_F(LabelPropertiesTest, ValueThatCannotBeConvertedStopsReadingThere)
{
    const PropertyBag bag = stored({{"Caption", std::string("x")}, {"Status", std::int32_t{2}},
        {"Style", std::string("six")}, {"ToolTipTextEx", std::string("later")}, {"HandCursor", false}});
    EXPECT_THROW(btnQuit.ReadProperties(bag), PropertyStoreError);
    EXPECT_EQ(btnQuit.Caption(), "x");
    EXPECT_EQ(btnQuit.Status(), 2);
    EXPECT_EQ(btnQuit.Style(), 0);
    EXPECT_EQ(btnQuit.ToolTipTextEx(), "ok");
    EXPECT_FALSE(btnQuit.HandCursor());
    EXPECT_EQ(btnQuit.mousePointer(), 99);
}

} // namespace
} // namespace norvo
