#include "ScriptLexer.h"
#include "ScriptError.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

#include <climits>

namespace norvo::replay {
namespace {

using Kind = ScriptToken::Kind;

struct IntegerCase {
    const char* written;
    std::int32_t value;
};

void PrintTo(const IntegerCase& c, std::ostream* out) { *out << c.written; }

class IntegerToken : public ::testing::TestWithParam<IntegerCase> { };

TEST_P(IntegerToken, IsReadAsA32BitSignedValue)
{
    const auto tokens = ScriptLexer::tokenize(GetParam().written);
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0].kind, Kind::Integer);
    EXPECT_EQ(tokens[0].integer, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(DecimalAndHex, IntegerToken,
    ::testing::Values(IntegerCase{"-7", -7}, IntegerCase{"2147483647", INT_MAX}, IntegerCase{"-2147483648", INT_MIN},
        IntegerCase{"&H00C000", 0x00C000}, IntegerCase{"&Hff", 255}, IntegerCase{"&HFFFFFFFF", -1},
        IntegerCase{"&H0000000000000001", 1}),
    NamedAfterPrintTo());

struct BadToken {
    const char* line;
    const char* why;
};

void PrintTo(const BadToken& c, std::ostream* out) { *out << c.line; }

class MalformedToken : public ::testing::TestWithParam<BadToken> { };

TEST_P(MalformedToken, IsRefusedWithItsReason)
{
    try {
        ScriptLexer::tokenize(GetParam().line);
        FAIL() << "accepted " << GetParam().line;
    } catch (const ScriptError& error) {
        EXPECT_STREQ(error.what(), GetParam().why);
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, MalformedToken,
    ::testing::Values(BadToken{"tick 2147483648", "2147483648 is outside the 32-bit range"},
        BadToken{"tick -2147483649", "-2147483649 is outside the 32-bit range"},
        BadToken{"long 7 0 &H100000000", "&H100000000 is outside the 32-bit range"},
        BadToken{"long 7 0 &H", "invalid hexadecimal number &H"},
        BadToken{"long 7 0 &HC0G0", "invalid hexadecimal number &HC0G0"}, BadToken{"tick 12ms", "invalid number 12ms"},
        BadToken{"tick 1.2.3", "invalid number 1.2.3"}, BadToken{"text 7 1 \"open", "unterminated string"},
        BadToken{"text 7 1 \"ends in \\", "unterminated string"},
        BadToken{"text 7 1 \"bad \\q\"", "unknown escape \\q in a string"},
        BadToken{"text 7 1 \"a\"b", "a blank must follow the string \"a\""}),
    NamedAfterPrintTo());

TEST(ScriptLexer, StringsResolveEveryEscapeAndKeepBlanks)
{
    const auto tokens = ScriptLexer::tokenize("text\t7  10 \" a\\\"b\\\\c\\r\\nd\\t \"\t\"\"");
    ASSERT_EQ(tokens.size(), 5u);
    EXPECT_EQ(tokens[3].kind, Kind::String);
    EXPECT_EQ(tokens[3].text, " a\"b\\c\r\nd\t ");
    EXPECT_EQ(tokens[3].shown(), R"(" a\"b\\c\r\nd\t ")");
    EXPECT_EQ(tokens[4].kind, Kind::String);
    EXPECT_EQ(tokens[4].text, "");
}

TEST(ScriptLexer, TellsBooleansNumbersAndWordsApart)
{
    const auto tokens = ScriptLexer::tokenize("set FreqInfo(2).FontSize 6.75 True False true -");
    ASSERT_EQ(tokens.size(), 7u);
    EXPECT_EQ(tokens[1].kind, Kind::Word);
    EXPECT_EQ(tokens[1].text, "FreqInfo(2).FontSize");
    EXPECT_EQ(tokens[2].kind, Kind::Number);
    EXPECT_DOUBLE_EQ(tokens[2].number, 6.75);
    EXPECT_TRUE(tokens[3].kind == Kind::Boolean && tokens[3].boolean);
    EXPECT_TRUE(tokens[4].kind == Kind::Boolean && !tokens[4].boolean);
    // Booleans are case-sensitive; a lone minus is no number.
    EXPECT_EQ(tokens[5].kind, Kind::Word);
    EXPECT_EQ(tokens[6].kind, Kind::Word);
}

} // namespace
} // namespace norvo::replay
