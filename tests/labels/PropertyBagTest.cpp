#include "labels/PropertyBag.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

namespace norvo {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void putU16(Bytes& b, std::uint32_t v)
{
    b.push_back(static_cast<std::uint8_t>(v & 0xFF));
    b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void putU32(Bytes& b, std::uint32_t v)
{
    putU16(b, v & 0xFFFF);
    putU16(b, v >> 16);
}

// FNV-1a of the name's UTF-16LE bytes (ASCII names).
std::uint32_t hashOf(const std::string& name)
{
    std::uint32_t h = 2166136261u;
    for (char c : name)
        for (std::uint8_t byte : {static_cast<std::uint8_t>(c), std::uint8_t{0}})
            h = (h ^ byte) * 16777619u;
    return h;
}

// One entry written by hand: header, ASCII name, the value bytes, padding.
Bytes entry(std::uint16_t type, const std::string& name, const Bytes& value, std::int64_t sizeAdjust = 0)
{
    Bytes b;
    const std::size_t size = (12 + name.size() * 2 + value.size() + 3) / 4 * 4;
    putU16(b, type);
    putU16(b, static_cast<std::uint32_t>(name.size()));
    putU32(b, hashOf(name));
    putU32(b, static_cast<std::uint32_t>(static_cast<std::int64_t>(size) + sizeAdjust));
    for (char c : name)
        putU16(b, static_cast<std::uint8_t>(c));
    b.insert(b.end(), value.begin(), value.end());
    b.resize(size, 0);
    return b;
}

Bytes textValue(std::initializer_list<std::uint16_t> units)
{
    Bytes b;
    putU32(b, static_cast<std::uint32_t>(units.size()));
    for (auto u : units)
        putU16(b, u);
    return b;
}

TEST(PropertyBagTest, KeepsOnlyValuesThatDifferFromTheirDefaultAndMatchesNamesInAnyCase)
{
    PropertyBag bag;
    bag.WriteProperty("Status", std::int32_t{0}, std::int32_t{0});
    EXPECT_TRUE(bag.empty());
    bag.WriteProperty("Status", std::int32_t{5}, std::int32_t{0});
    bag.WriteProperty("Style", std::int32_t{6}, std::int32_t{0});
    EXPECT_EQ(bag.ReadProperty("STATUS", std::int32_t{0}), PropertyBag::Value{std::int32_t{5}});

    bag.WriteProperty("status", std::int32_t{3}, std::int32_t{0});
    ASSERT_EQ(bag.entries().size(), 2u);
    EXPECT_EQ(bag.entries()[0], (PropertyBag::Entry{"status", std::int32_t{3}})) << "rewritten in place";
    bag.WriteProperty("sTaTuS", std::int32_t{0}, std::int32_t{0});
    EXPECT_EQ(bag.entries(), std::vector<PropertyBag::Entry>{(PropertyBag::Entry{"style", std::int32_t{6}})});
}

TEST(PropertyBagTest, RoundTripsEveryTypeIncludingNonAsciiText)
{
    PropertyBag bag;
    bag.WriteProperty("Caption", std::string("Zürich ✈ 𝄞"), std::string());
    bag.WriteProperty("Status", std::int32_t{-5}, std::int32_t{0});
    bag.WriteProperty("HandCursor", false, true);
    EXPECT_EQ(PropertyBag::parse(bag.serialize()), bag);
    EXPECT_TRUE(PropertyBag::parse({}).empty());
}

TEST(PropertyBagTest, WritesTheDocumentedBytes)
{
    PropertyBag bag;
    bag.WriteProperty("Status", std::int32_t{5}, std::int32_t{0});
    bag.WriteProperty("HandCursor", false, true);
    bag.WriteProperty("FontEx", std::string("é"), std::string());
    EXPECT_EQ(bag.serialize(),
        entry(3, "status", {5, 0, 0, 0}) + entry(11, "handcursor", {0, 0}) + entry(8, "fontex", textValue({0xE9})));

    PropertyBag on;
    on.WriteProperty("HandCursor", true, false);
    EXPECT_EQ(on.serialize(), entry(11, "handcursor", {0xFF, 0xFF}));
}

struct MalformedCase {
    const char* what;
    Bytes bytes;
};

void PrintTo(const MalformedCase& c, std::ostream* out) { *out << c.what; }

class MalformedStoreTest : public ::testing::TestWithParam<MalformedCase> { };

TEST_P(MalformedStoreTest, IsRefused) { EXPECT_THROW(PropertyBag::parse(GetParam().bytes), PropertyStoreError); }

Bytes withByte(Bytes b, std::size_t at, std::uint8_t value)
{
    b.at(at) = value;
    return b;
}

INSTANTIATE_TEST_SUITE_P(Stores, MalformedStoreTest,
    ::testing::Values(MalformedCase{"type code 4", entry(4, "caption", textValue({'a'}))},
        MalformedCase{"bad hash", withByte(entry(3, "status", {5, 0, 0, 0}), 4, 0)},
        MalformedCase{"size past the end", entry(3, "status", {5, 0, 0, 0}, 4)},
        MalformedCase{"size not a multiple of four", entry(3, "status", {5, 0, 0, 0}, -2)},
        MalformedCase{"size smaller than the content", entry(3, "status", {5, 0, 0, 0}, -4)},
        MalformedCase{"size larger than the content", entry(3, "status", {5, 0, 0, 0}, 4) + Bytes(4, 0)},
        MalformedCase{"size below the header", entry(3, "status", {5, 0, 0, 0}, -24)},
        MalformedCase{"text longer than the entry", entry(8, "caption", textValue({'a', 'b'}), -4)},
        MalformedCase{"text count past the end", entry(8, "caption", {0xFF, 0xFF, 0xFF, 0x7F})},
        MalformedCase{"Boolean neither 0 nor -1", entry(11, "handcursor", {1, 0})},
        MalformedCase{"unpaired surrogate", entry(8, "caption", textValue({'a', 0xD834}))},
        MalformedCase{"high surrogate before a letter", entry(8, "caption", textValue({0xD834, 'a'}))},
        MalformedCase{"lone low surrogate", entry(8, "caption", textValue({0xDD1E, 'a'}))},
        MalformedCase{"non-zero padding", withByte(entry(11, "handcursor", {0, 0}), 34, 1)},
        MalformedCase{"empty name", entry(3, "", {5, 0, 0, 0})},
        MalformedCase{"upper-case name", entry(3, "Status", {5, 0, 0, 0})},
        MalformedCase{"name stored twice", entry(3, "status", {5, 0, 0, 0}) + entry(3, "status", {5, 0, 0, 0})},
        MalformedCase{"odd length", Bytes{3, 0, 6}}),
    NamedAfterPrintTo());

TEST(PropertyBagTest, TextThatIsNotUtf8CannotBeStored)
{
    PropertyBag bag;
    for (const char* bad : {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "a\xFF"}) {
        bag.WriteProperty("Caption", std::string(bad), std::string());
        EXPECT_THROW(bag.serialize(), PropertyStoreError);
    }
}

TEST(PropertyBagTest, ConvertsStoredValuesToThePropertyType)
{
    EXPECT_EQ(toLong(std::string(" 12 ")), 12);
    EXPECT_EQ(toLong(true), -1);
    EXPECT_EQ(toText(std::int32_t{-3}), "-3");
    EXPECT_EQ(toText(false), "False");
    EXPECT_FALSE(toBoolean(std::string("false")));
    EXPECT_TRUE(toBoolean(std::int32_t{2}));
    EXPECT_TRUE(toBoolean(std::string("-1")));
    EXPECT_THROW(toLong(std::string("6x")), PropertyStoreError);
    EXPECT_THROW(toLong(std::string("99999999999")), PropertyStoreError);
    EXPECT_THROW(toBoolean(std::string("yes")), PropertyStoreError);
}

} // namespace
} // namespace norvo
