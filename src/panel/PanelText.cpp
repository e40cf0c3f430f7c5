#include "panel/PanelText.h"

namespace norvo {

std::string trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

namespace {

constexpr std::string_view RoomTipSeparator = " : ";

// Hands each piece of the one-line form of text to write, in order; stops
// early when write returns false.
template <class Write> bool writeOneLine(std::string_view text, Write&& write)
{
    for (const char& c : text) {
        if (c == '\r')
            continue;
        if (!write(c == '\n' ? std::string_view("  ") : std::string_view(&c, 1)))
            return false;
    }
    return true;
}

} // namespace

std::string oneLineInfo(std::string_view text)
{
    std::string line;
    line.reserve(text.size());
    writeOneLine(text, [&](std::string_view piece) {
        line += piece;
        return true;
    });
    return line;
}

bool showsOneLineInfo(std::string_view shown, std::string_view text)
{
    const bool prefixMatches = writeOneLine(text, [&](std::string_view piece) {
        if (!shown.starts_with(piece))
            return false;
        shown.remove_prefix(piece.size());
        return true;
    });
    return prefixMatches && shown.empty();
}

std::string roomTip(std::string_view name, std::string_view info)
{
    std::string tip(name);
    tip += RoomTipSeparator;
    tip += oneLineInfo(info);
    return tip;
}

bool showsRoomTip(std::string_view shown, std::string_view name, std::string_view info)
{
    if (!shown.starts_with(name))
        return false;
    shown.remove_prefix(name.size());
    if (!shown.starts_with(RoomTipSeparator))
        return false;
    shown.remove_prefix(RoomTipSeparator.size());
    return showsOneLineInfo(shown, info);
}

} // namespace norvo
