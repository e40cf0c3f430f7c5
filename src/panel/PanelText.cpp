#include "panel/PanelText.h"

#include <algorithm>

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

// Hands the one-line form of text to write piece by piece (runs of plain
// characters whole), in order; stops early when write returns false.
template <class Write> bool writeOneLine(std::string_view text, Write&& write)
{
    while (!text.empty()) {
        const auto breakAt = std::find_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; });
        const auto run = static_cast<std::size_t>(breakAt - text.begin());
        if (run > 0 && !write(text.substr(0, run)))
            return false;
        if (run == text.size())
            break;
        if (text[run] == '\n' && !write(std::string_view("  ")))
            return false;
        text.remove_prefix(run + 1);
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
