// Feeds arbitrary bytes to the panel script language's lexer and parser, line
// by line, without a panel: each line is a command or is refused with a
// ScriptError, nothing else is raised, and the tokens of a line, written
// again as they are shown, read back as the same tokens (else it aborts).
// Seeded with single lines of the scenario scripts (-max_len=256).
#include "ScriptError.h"
#include "ScriptLexer.h"
#include "ScriptParser.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using norvo::replay::ScriptToken;

bool same(const ScriptToken& a, const ScriptToken& b)
{
    return a.kind == b.kind && a.written == b.written && a.text == b.text && a.integer == b.integer
        && a.number == b.number && a.boolean == b.boolean;
}

// A line that does not split into tokens is refused before it is parsed.
void checkLine(std::string_view line)
{
    std::vector<ScriptToken> tokens;
    try {
        tokens = norvo::replay::ScriptLexer::tokenize(line);
    } catch (const norvo::replay::ScriptError&) {
        return;
    }
    std::string shown;
    for (const ScriptToken& token : tokens)
        shown += token.shown() + ' ';
    const std::vector<ScriptToken> again = norvo::replay::ScriptLexer::tokenize(shown);
    if (again.size() != tokens.size())
        std::abort();
    for (std::size_t i = 0; i < tokens.size(); ++i)
        if (!same(tokens[i], again[i]))
            std::abort();
    try {
        norvo::replay::ScriptParser::parse(line);
    } catch (const norvo::replay::ScriptError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view script(reinterpret_cast<const char*>(data), size);
    while (!script.empty()) {
        const std::size_t end = std::min(script.find('\n'), script.size());
        const std::string_view line = script.substr(0, end);
        script.remove_prefix(std::min(end + 1, script.size()));
        checkLine(line);
    }
    return 0;
}
