#include "panel/PanelText.h"

#include "panel/StateWords.h"

#include <algorithm>

namespace norvo {

RoomText::RoomText(std::initializer_list<std::string_view> parts, std::string_view info)
    : partCount_(parts.size())
    , info_(info)
{
    std::copy(parts.begin(), parts.end(), parts_.begin());
}

RoomText RoomText::radioTip(std::string_view name, std::string_view info) { return {{name, " : "}, info}; }

RoomText RoomText::freeChannelTip(std::string_view info) { return {{}, info}; }

RoomText RoomText::connectedWords(std::string_view name, std::string_view info)
{
    return {{StateWords::Connected, name.empty() ? "" : " to ", name, info.empty() ? "" : ": "}, info};
}

std::string RoomText::text() const
{
    std::string text;
    for (std::size_t i = 0; i < partCount_; ++i)
        text += parts_[i];
    for (const char c : info_) {
        if (c == '\n')
            text += "  ";
        else if (c != '\r')
            text += c;
    }
    return text;
}

bool RoomText::isShownBy(std::string_view shown) const
{
    for (std::size_t i = 0; i < partCount_; ++i) {
        if (!shown.starts_with(parts_[i]))
            return false;
        shown.remove_prefix(parts_[i].size());
    }
    // The information run by run between line breaks, each compared whole.
    std::string_view info = info_;
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

} // namespace norvo
