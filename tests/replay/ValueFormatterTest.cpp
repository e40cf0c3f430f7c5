#include "ValueFormatter.h"

#include <gtest/gtest.h>

namespace norvo::replay {
namespace {

TEST(ValueFormatter, ColoursHaveAtLeastSixUpperCaseHexDigits)
{
    EXPECT_EQ(ValueFormatter::format(ColourValue{0x00C000}), "&H00C000");
    EXPECT_EQ(ValueFormatter::format(ColourValue{0}), "&H000000");
    EXPECT_EQ(ValueFormatter::format(ColourValue{0xC0FFC0}), "&HC0FFC0");
    EXPECT_EQ(ValueFormatter::format(ColourValue{0x80000008u}), "&H80000008");
    EXPECT_EQ(ValueFormatter::format(ColourValue{0x1000000}), "&H1000000");
}

TEST(ValueFormatter, FontSizesDropTrailingZeros)
{
    EXPECT_EQ(ValueFormatter::fontSize(8), "8");
    EXPECT_EQ(ValueFormatter::fontSize(6.75), "6.75");
    EXPECT_EQ(ValueFormatter::fontSize(8.25), "8.25");
    EXPECT_EQ(ValueFormatter::fontSize(10.5), "10.5");
    EXPECT_EQ(ValueFormatter::fontSize(100), "100");
    EXPECT_EQ(ValueFormatter::fontSize(-0.0), "0");
}

TEST(ValueFormatter, ScalarsAndStrings)
{
    EXPECT_EQ(ValueFormatter::format(std::int32_t{-42}), "-42");
    EXPECT_EQ(ValueFormatter::format(true), "True");
    EXPECT_EQ(ValueFormatter::format(false), "False");
    EXPECT_EQ(ValueFormatter::format(std::string("R1 : a\r\n\"b\"\t\\")), R"("R1 : a\r\n\"b\"\t\\")");
    EXPECT_EQ(ValueFormatter::format(ReferenceValue{"btnQuit.lblCaption"}), "btnQuit.lblCaption");
    EXPECT_EQ(ValueFormatter::format(ReferenceValue{}), "none");
}

TEST(ValueFormatter, ListsQuoteEveryItem)
{
    EXPECT_EQ(ValueFormatter::format(std::vector<std::string>{}), "[]");
    EXPECT_EQ(ValueFormatter::format(std::vector<std::string>{"A"}), "[\"A\"]");
    EXPECT_EQ(
        ValueFormatter::format(std::vector<std::string>{"EDDF_TWR", "say \"hi\""}), R"(["EDDF_TWR", "say \"hi\""])");
}

TEST(ValueFormatter, SpriteRectangleOrNone)
{
    EXPECT_EQ(ValueFormatter::format(std::optional<Rect>{}), "none");
    EXPECT_EQ(ValueFormatter::format(std::optional<Rect>{Rect{174, 0, 18, 16}}), "174, 0, 18, 16");
}

TEST(ValueFormatter, SettingsListChannelsInNumericOrderThenOtherKeysInTextOrder)
{
    MemorySettingsStore store;
    const auto save = [&](const std::string& key, const std::string& value) {
        store.SaveSetting("NORVOUITOKA", "PRIVATE", key, value);
    };
    save("CHANNEL10", "K");
    save("CHANNEL2", "C");
    save("ZOOM", "z");
    save("CHANNEL0", "A");
    save("CHANNEL02", "leading zero");
    save("Alpha", "a");
    save("CHANNEL", "bare");
    save("CHANNEL1", "B");
    store.SaveSetting("OTHER", "PRIVATE", "CHANNEL3", "elsewhere");
    store.SaveSetting("NORVOUITOKA", "PUBLIC", "CHANNEL3", "elsewhere");

    EXPECT_EQ(ValueFormatter::settingsLines(store, "NORVOUITOKA", "PRIVATE"),
        (std::vector<std::string>{R"("CHANNEL0" = "A")", R"("CHANNEL1" = "B")", R"("CHANNEL2" = "C")",
            R"("CHANNEL10" = "K")", R"("Alpha" = "a")", R"("CHANNEL" = "bare")", R"("CHANNEL02" = "leading zero")",
            R"("ZOOM" = "z")"}));
}

TEST(ValueFormatter, ChannelNumbersOfAnyLengthStayInOrder)
{
    MemorySettingsStore store;
    store.SaveSetting("A", "S", "CHANNEL100000000000000000000", "huge");
    store.SaveSetting("A", "S", "CHANNEL99999999999999999999", "large");
    store.SaveSetting("A", "S", "CHANNEL20", "");
    EXPECT_EQ(ValueFormatter::settingsLines(store, "A", "S"),
        (std::vector<std::string>{R"("CHANNEL20" = "")", R"("CHANNEL99999999999999999999" = "large")",
            R"("CHANNEL100000000000000000000" = "huge")"}));
}

} // namespace
} // namespace norvo::replay
