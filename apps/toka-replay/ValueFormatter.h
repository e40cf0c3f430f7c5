#pragma once

#include "ScriptValue.h"

#include "platform/SettingsStore.h"

#include <string>
#include <vector>

namespace norvo::replay {

// The text forms of printed values: colours &H and at least six upper-case
// hex digits, font sizes without trailing zeros, strings quoted with escapes,
// lists as ["A", "B"], sprite rectangles as "X, Y, W, H" or none.
class ValueFormatter {
public:
    static std::string format(const ScriptValue& value);
    static std::string colour(Colour colour);
    static std::string fontSize(double size);
    static std::string list(const std::vector<std::string>& items);
    static std::string rect(const std::optional<Rect>& rect);

    // The entries of one application section, one `"KEY" = "VALUE"` line
    // each: CHANNEL0, CHANNEL1, ... in numeric order, then the other keys
    // in text order.
    static std::vector<std::string> settingsLines(
        SettingsStore& store, const std::string& application, const std::string& section);
};

} // namespace norvo::replay
