#include "panel/PanelText.h"

#include "panel/PanelWords.h"

#include <algorithm>

namespace norvo {

RoomText::RoomText(std::string_view pattern, std::string_view name, std::string_view info)
    : pattern_(pattern)
    , name_(name)
    , info_(info)
{
}

RoomText RoomText::radioTip(std::string_view name, std::string_view info) { return {"%1 : %2", name, info}; }

RoomText RoomText::freeChannelTip(std::string_view info) { return {"%2", {}, info}; }

RoomText RoomText::connectedWords(const PanelWords& words, std::string_view name, std::string_view info)
{
    const std::string& pattern = name.empty() ? (info.empty() ? words.connected : words.connectedWithInfo)
                                              : (info.empty() ? words.connectedTo : words.connectedToWithInfo);
    return {pattern, name, info};
}

template <class Piece> bool RoomText::walk(Piece&& piece) const
{
    std::string_view rest = pattern_;
    for (;;) {
        const std::size_t field = std::min(rest.find("%1"), rest.find("%2"));
        if (!piece(rest.substr(0, field), false))
            return false;
        if (field == std::string_view::npos)
            return true;
        const bool info = rest[field + 1] == '2';
        if (!piece(info ? info_ : name_, info))
            return false;
        rest.remove_prefix(field + 2);
    }
}

std::string RoomText::text() const
{
    std::string text;
    walk([&](std::string_view piece, bool info) {
        if (!info) {
            text += piece;
            return true;
        }
        for (const char c : piece) {
            if (c == '\n')
                text += "  ";
            else if (c != '\r')
                text += c;
        }
        return true;
    });
    return text;
}

bool RoomText::isShownBy(std::string_view shown) const
{
    const auto take = [&](std::string_view run) {
        if (!shown.starts_with(run))
            return false;
        shown.remove_prefix(run.size());
        return true;
    };
    return walk([&](std::string_view piece, bool info) {
        if (!info)
            return take(piece);
        // The information run by run between line breaks, each compared whole.
        for (;;) {
            const std::size_t stop = std::min(piece.find('\r'), piece.find('\n'));
            if (!take(piece.substr(0, stop)))
                return false;
            if (stop == std::string_view::npos)
                return true;
            if (piece[stop] == '\n' && !take("  "))
                return false;
            piece.remove_prefix(stop + 1);
        }
    }) && shown.empty();
}

} // namespace norvo
