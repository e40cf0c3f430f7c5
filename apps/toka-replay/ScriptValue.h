#pragma once

#include "platform/Colour.h"
#include "platform/Surface.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace norvo::replay {

struct ColourValue {
    Colour colour = 0;
};

struct FontSizeValue {
    double size = 0;
};

// A control reference as a script writes it ("btnQuit.lblCaption"); empty
// for none.
struct ReferenceValue {
    std::string reference;
};

// What `print` shows, each kind in its own format.
using ScriptValue = std::variant<std::int32_t, bool, std::string, ColourValue, FontSizeValue, std::vector<std::string>,
    std::optional<Rect>, ReferenceValue>;

} // namespace norvo::replay
