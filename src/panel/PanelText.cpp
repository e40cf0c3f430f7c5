#include "panel/PanelText.h"

#include <algorithm>

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

bool isOneLineInfo(std::string_view shown, std::string_view info)
{
    // Run by run between line breaks, each found and compared whole.
    for (;;) {
        const std::size_t stop = std::min(info.find('\r'), info.find('\n'));
        const std::string_view run = info.substr(0, stop);
        if (!shown.starts_with(run))
            return false;
        shown.remove_prefix(run.size());
        if (stop == std::string_view::npos)
            return shown.empty();
        if (info[stop] == '\n') {
            if (!shown.starts_with("  "))
                return false;
            shown.remove_prefix(2);
        }
        info.remove_prefix(stop + 1);
    }
}

bool isRoomTip(std::string_view shown, std::string_view name, std::string_view info)
{
    constexpr std::string_view Separator = " : ";
    if (!shown.starts_with(name) || shown.substr(name.size(), Separator.size()) != Separator)
        return false;
    return isOneLineInfo(shown.substr(name.size() + Separator.size()), info);
}

} // namespace norvo
