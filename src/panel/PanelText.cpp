#include "panel/PanelText.h"

#include <algorithm>
#include <cstring>

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
// characters whole), in order; stops early when write returns false. The
// breaks are found with memchr, many characters a step, and each kind is
// looked for again only once the one found has been passed.
template <class Write> bool writeOneLine(std::string_view text, Write&& write)
{
    if (text.empty())
        return true;
    const auto next = [text](char c, std::size_t from) {
        const void* found = std::memchr(text.data() + from, c, text.size() - from);
        return found ? static_cast<std::size_t>(static_cast<const char*>(found) - text.data()) : text.size();
    };
    std::size_t carriageReturn = next('\r', 0);
    std::size_t lineFeed = next('\n', 0);
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t breakAt = std::min(carriageReturn, lineFeed);
        if (breakAt > from && !write(text.substr(from, breakAt - from)))
            return false;
        if (breakAt == text.size())
            break;
        if (breakAt == lineFeed) {
            if (!write(std::string_view("  ")))
                return false;
            lineFeed = next('\n', breakAt + 1);
        } else {
            carriageReturn = next('\r', breakAt + 1);
        }
        from = breakAt + 1;
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
