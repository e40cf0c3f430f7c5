#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <string>
#include <string_view>

// Readable, stable names for the cases of a parameterised table: gtest numbers
// the cases, and prints a parameter it has no printer for as its raw bytes
// (pointers too, which change from run to run). Give the case type a PrintTo
// that says what the case is, and name the cases after it:
//   INSTANTIATE_TEST_SUITE_P(Table, Suite, ::testing::Values(...), NamedAfterPrintTo());
// Text with the characters that tell cases apart spelt out as words, for a
// PrintTo whose cases differ in blanks or punctuation only.
inline std::string spelt(std::string_view text)
{
    std::string words;
    for (const char c : text) {
        switch (c) {
        case ' ': words += " blank "; break;
        case '\t': words += " tab "; break;
        case '\r': words += " cr "; break;
        case '\n': words += " lf "; break;
        case '#': words += " hash "; break;
        case ':': words += " colon "; break;
        case '-': words += " dash "; break;
        case '.': words += " dot "; break;
        case ',': words += " comma "; break;
        case '"': words += " quote "; break;
        case '(': words += " open "; break;
        case ')': words += " close "; break;
        default: words += c;
        }
    }
    return words;
}

struct NamedAfterPrintTo {
    template <class Case> std::string operator()(const ::testing::TestParamInfo<Case>& info) const
    {
        // Letters and digits as printed, a minus sign as "minus"; every run
        // of other characters one '_'.
        const std::string printed = ::testing::PrintToString(info.param);
        std::string name;
        for (std::size_t i = 0; i < printed.size(); ++i) {
            const auto c = static_cast<unsigned char>(printed[i]);
            if (std::isalnum(c))
                name += printed[i];
            else if (c == '-' && i + 1 < printed.size() && std::isdigit(static_cast<unsigned char>(printed[i + 1])))
                name += "minus";
            else if (!name.empty() && name.back() != '_')
                name += '_';
        }
        while (!name.empty() && name.back() == '_')
            name.pop_back();
        return name.empty() ? "nothing" : name;
    }
};
