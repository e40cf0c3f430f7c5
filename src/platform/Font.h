#pragma once

#include <string>

namespace norvo {

struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.25;
    bool bold = false;

    bool operator==(const Font&) const = default;
};

} // namespace norvo
