#include "labels/PropertyBag.h"
#include "labels/UserLabel.h"
#include "platform/ManualClock.h"

#include <gtest/gtest.h>

namespace norvo {
namespace {

struct LabelPropertiesTest : ::testing::Test {
    ManualClock clock;
    UserLabel btnQuit{"btnQuit", Control::NoIndex, clock};
};

TEST_F(LabelPropertiesTest, CreationValuesAreStoredAndAnEmptyStoreGivesTheDefaults)
{
    PropertyBag fresh;
    btnQuit.WriteProperties(fresh);
    EXPECT_EQ(fresh.entries(),
        (std::vector<PropertyBag::Entry>{
            {"caption", std::string("-")}, {"tooltiptextex", std::string("ok")}, {"handcursor", false}}));

    btnQuit.ReadProperties(PropertyBag{});
    EXPECT_EQ(btnQuit.Caption(), "");
    EXPECT_EQ(btnQuit.ToolTipTextEx(), "");
    EXPECT_TRUE(btnQuit.HandCursor());
    EXPECT_EQ(btnQuit.mousePointer(), 99);
    PropertyBag defaults;
    btnQuit.WriteProperties(defaults);
    EXPECT_TRUE(defaults.empty());
}

TEST_F(LabelPropertiesTest, ValueThatCannotBeConvertedStopsReadingThere)
{
    PropertyBag bag;
    bag.WriteProperty("Caption", std::string("x"), std::string());
    bag.WriteProperty("Status", std::int32_t{2}, std::int32_t{0});
    bag.WriteProperty("Style", std::string("six"), std::string());
    bag.WriteProperty("ToolTipTextEx", std::string("later"), std::string());
    bag.WriteProperty("HandCursor", false, true);
    EXPECT_THROW(btnQuit.ReadProperties(PropertyBag::parse(bag.serialize())), PropertyStoreError);
    EXPECT_EQ(btnQuit.Caption(), "x");
    EXPECT_EQ(btnQuit.Status(), 2);
    EXPECT_EQ(btnQuit.Style(), 0);
    EXPECT_EQ(btnQuit.ToolTipTextEx(), "ok");
    EXPECT_FALSE(btnQuit.HandCursor());
    EXPECT_EQ(btnQuit.mousePointer(), 99);
}

} // namespace
} // namespace norvo
