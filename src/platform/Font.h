#pragma once

#include <string>

namespace norvo {

/// A text font as the model's controls name it; a front end maps the name to
/// a font it has.
struct Font {
    std::string name = "MS Sans Serif"; ///< The family name.
    double size = 8.25; ///< The size in points.
    bool bold = false; ///< Bold or normal weight.

    /// Same name, size and weight.
    bool operator==(const Font&) const = default;
};

} // namespace norvo
