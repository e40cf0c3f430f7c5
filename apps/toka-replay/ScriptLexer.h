#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace norvo::replay {

struct ScriptToken {
    enum class Kind { Word, String, Integer, Number, Boolean };

    Kind kind = Kind::Word;
    // As written (a string's text between its quotes, escapes included).
    std::string written;
    // A string's value with its escapes resolved; a word's text.
    std::string text;
    std::int32_t integer = 0;
    double number = 0;
    bool boolean = false;

    // The token as a message quotes it: strings in quotes, others as written.
    std::string shown() const;
};

// Splits one script line into tokens separated by blanks (spaces, tabs).
// Integers are 32-bit signed, written in decimal or as &H and hex digits
// (&HFFFFFFFF is -1); a decimal number with a fraction is a Number (font
// sizes). Throws ScriptError for a malformed token.
class ScriptLexer {
public:
    static std::vector<ScriptToken> tokenize(std::string_view line);
    // An integer token's value; ScriptError when the text is no 32-bit integer.
    static std::int32_t parseInteger(std::string_view text);
};

} // namespace norvo::replay
