#include "panel/PanelText.h"

namespace norvo {

std::string oneLineInfo(std::string_view text)
{
    std::string line;
    line.reserve(text.size());
    for (const char c : text) {
        if (c == '\n')
            line += "  ";
        else if (c != '\r')
            line += c;
    }
    return line;
}

std::string roomTip(std::string_view name, std::string_view info)
{
    std::string tip(name);
    tip += " : ";
    tip += oneLineInfo(info);
    return tip;
}

} // namespace norvo
