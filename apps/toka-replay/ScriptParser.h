#pragma once

#include "CommandTable.h"
#include "ScriptCommand.h"
#include "ScriptLexer.h"

#include <optional>
#include <string_view>

namespace norvo::replay {

// Turns one script line into a command with checked arguments. Throws
// ScriptError for a line that is not a valid command.
class ScriptParser {
public:
    // nullopt for a blank line or a comment (first non-blank character '#').
    static std::optional<ScriptCommand> parse(std::string_view line);

    // "Name", "Name(Index)" or "Name(Index).Child".
    static ControlRef parseControl(std::string_view text);
    // A control reference and ".Member".
    static MemberRef parseMember(std::string_view text);
    // The panel's own fields that print shows (VoiceHandle, RoomCount, ...).
    static bool isPanelField(std::string_view name);
    static bool isIdentifier(std::string_view text);
};

} // namespace norvo::replay
