#include "ScriptLexer.h"

#include "platform/HexDigit.h"

#include "ScriptError.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace norvo::replay {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool looksNumeric(std::string_view text)
{
    if (text.starts_with("&H"))
        return true;
    const std::size_t first = text.starts_with('-') ? 1 : 0;
    return first < text.size() && isDigit(text[first]);
}

// "-12.5" and the like: digits, a point, digits.
bool isDecimalFraction(std::string_view text)
{
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos)
        return false;
    const std::size_t first = text.starts_with('-') ? 1 : 0;
    if (point == first || point + 1 == text.size())
        return false;
    for (std::size_t i = first; i < text.size(); ++i)
        if (i != point && !isDigit(text[i]))
            return false;
    return true;
}

std::string outOfRange(std::string_view text) { return std::string(text) + " is outside the 32-bit range"; }

ScriptToken stringToken(std::string_view line, std::size_t& position)
{
    const std::size_t start = position++;
    ScriptToken token;
    token.kind = ScriptToken::Kind::String;
    for (;;) {
        if (position >= line.size())
            throw ScriptError("unterminated string");
        const char c = line[position++];
        if (c == '"')
            break;
        if (c != '\\') {
            token.text += c;
            continue;
        }
        if (position >= line.size())
            throw ScriptError("unterminated string");
        const char escaped = line[position++];
        switch (escaped) {
        case '"': token.text += '"'; break;
        case '\\': token.text += '\\'; break;
        case 'r': token.text += '\r'; break;
        case 'n': token.text += '\n'; break;
        case 't': token.text += '\t'; break;
        default: throw ScriptError(std::string("unknown escape \\") + escaped + " in a string");
        }
    }
    if (position < line.size() && !isBlank(line[position]))
        throw ScriptError("a blank must follow the string " + std::string(line.substr(start, position - start)));
    token.written = std::string(line.substr(start + 1, position - start - 2));
    return token;
}

ScriptToken plainToken(std::string_view written)
{
    ScriptToken token;
    token.written = std::string(written);
    if (written == "True" || written == "False") {
        token.kind = ScriptToken::Kind::Boolean;
        token.boolean = written == "True";
    } else if (isDecimalFraction(written)) {
        token.kind = ScriptToken::Kind::Number;
        token.number = std::strtod(token.written.c_str(), nullptr);
        if (!std::isfinite(token.number))
            throw ScriptError(token.written + " is out of range");
    } else if (looksNumeric(written)) {
        token.kind = ScriptToken::Kind::Integer;
        token.integer = ScriptLexer::parseInteger(written);
    } else {
        token.kind = ScriptToken::Kind::Word;
        token.text = token.written;
    }
    return token;
}

} // namespace

std::string ScriptToken::shown() const { return kind == Kind::String ? "\"" + written + "\"" : written; }

std::int32_t ScriptLexer::parseInteger(std::string_view text)
{
    if (text.starts_with("&H")) {
        const std::string_view digits = text.substr(2);
        if (digits.empty())
            throw ScriptError("invalid hexadecimal number " + std::string(text));
        std::uint64_t value = 0;
        for (const char c : digits) {
            const int digit = hexDigitValue(c);
            if (digit < 0)
                throw ScriptError("invalid hexadecimal number " + std::string(text));
            value = value * 16 + static_cast<std::uint64_t>(digit);
            if (value > std::numeric_limits<std::uint32_t>::max())
                throw ScriptError(outOfRange(text));
        }
        // The 32 bits as written: &HFFFFFFFF is -1.
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    const bool negative = text.starts_with('-');
    const std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty())
        throw ScriptError("invalid number " + std::string(text));
    std::int64_t value = 0;
    for (const char c : digits) {
        if (!isDigit(c))
            throw ScriptError("invalid number " + std::string(text));
        value = value * 10 + (c - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
            throw ScriptError(outOfRange(text));
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max())
        throw ScriptError(outOfRange(text));
    return static_cast<std::int32_t>(value);
}

std::vector<ScriptToken> ScriptLexer::tokenize(std::string_view line)
{
    std::vector<ScriptToken> tokens;
    std::size_t position = 0;
    for (;;) {
        while (position < line.size() && isBlank(line[position]))
            ++position;
        if (position >= line.size())
            return tokens;
        if (line[position] == '"') {
            tokens.push_back(stringToken(line, position));
            continue;
        }
        const std::size_t start = position;
        while (position < line.size() && !isBlank(line[position]))
            ++position;
        tokens.push_back(plainToken(line.substr(start, position - start)));
    }
}

} // namespace norvo::replay
