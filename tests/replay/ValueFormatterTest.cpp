#include "ValueFormatter.h"

#include "recording/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace norvo::replay {
namespace {

TEST(ValueFormatter, EachKindHasItsOwnForm)
{
    EXPECT_EQ(ValueFormatter::format(ColourValue{0}), "&H000000");
    EXPECT_EQ(ValueFormatter::format(ColourValue{0x80000008u}), "&H80000008");
    EXPECT_EQ(ValueFormatter::format(ColourValue{0x1000000}), "&H1000000");
    EXPECT_EQ(ValueFormatter::format(FontSizeValue{6.75}), "6.75");
    EXPECT_EQ(ValueFormatter::format(FontSizeValue{100}), "100");
    EXPECT_EQ(ValueFormatter::format(FontSizeValue{-0.0}), "0");
    EXPECT_EQ(ValueFormatter::format(std::int32_t{-42}), "-42");
    EXPECT_EQ(ValueFormatter::format(false), "False");
    EXPECT_EQ(ValueFormatter::format(std::string("R1 : a\r\n\"b\"\t\\")), R"("R1 : a\r\n\"b\"\t\\")");
    EXPECT_EQ(ValueFormatter::format(ReferenceValue{"btnQuit.lblCaption"}), "btnQuit.lblCaption");
    EXPECT_EQ(ValueFormatter::format(ReferenceValue{}), "none");
    EXPECT_EQ(ValueFormatter::format(std::vector<std::string>{}), "[]");
    EXPECT_EQ(ValueFormatter::format(std::vector<std::string>{"A", "say \"hi\""}), R"(["A", "say \"hi\""])");
    EXPECT_EQ(ValueFormatter::format(std::optional<Rect>{}), "none");
    EXPECT_EQ(ValueFormatter::format(std::optional<Rect>{Rect{174, 0, 18, 16}}), "174, 0, 18, 16");
}

TEST(ValueFormatter, SettingsListChannelsInNumericOrderThenOtherKeysInTextOrder)
{
    MemorySettingsStore store;
    for (const char* key : {"CHANNEL10", "CHANNEL2", "ZOOM", "CHANNEL0", "CHANNEL02", "Alpha", "CHANNEL",
             "CHANNEL100000000000000000000", "CHANNEL99999999999999999999"})
        store.SaveSetting("NORVOUITOKA", "PRIVATE", key, "");
    store.SaveSetting("OTHER", "PRIVATE", "CHANNEL3", "elsewhere");
    store.SaveSetting("NORVOUITOKA", "PUBLIC", "CHANNEL3", "elsewhere");
    store.SaveSetting("NORVOUITOKA", "PRIVATE", "CHANNEL1", "B");

    EXPECT_EQ(ValueFormatter::settingsLines(store, "NORVOUITOKA", "PRIVATE"),
        (std::vector<std::string>{R"("CHANNEL0" = "")", R"("CHANNEL1" = "B")", R"("CHANNEL2" = "")",
            R"("CHANNEL10" = "")", R"("CHANNEL99999999999999999999" = "")", R"("CHANNEL100000000000000000000" = "")",
            R"("Alpha" = "")", R"("CHANNEL" = "")", R"("CHANNEL02" = "")", R"("ZOOM" = "")"}));
}

} // namespace
} // namespace norvo::replay
