#include "panel/PanelText.h"

#include "panel/StateWords.h"

namespace norvo {

std::string_view trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

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

std::string connectedRoomWords(std::string_view name, std::string_view info)
{
    std::string words(StateWords::Connected);
    if (!name.empty()) {
        words += " to ";
        words += name;
    }
    if (!info.empty()) {
        words += ": ";
        words += oneLineInfo(info);
    }
    return words;
}

} // namespace norvo
