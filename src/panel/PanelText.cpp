#include "panel/PanelText.h"

#include "panel/PanelWords.h"

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

std::string RoomText::text() const
{
    std::string text;
    text.reserve(pattern_.size() + name_.size() + info_.size());
    for (std::size_t i = 0; i < pattern_.size(); ++i) {
        const char c = pattern_[i];
        const char field = i + 1 < pattern_.size() && c == '%' ? pattern_[i + 1] : 0;
        if (field == '1') {
            text += name_;
            ++i;
        } else if (field == '2') {
            // On one line: carriage returns dropped, a line feed as two
            // spaces.
            for (const char n : info_) {
                if (n == '\n')
                    text += "  ";
                else if (n != '\r')
                    text += n;
            }
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}

} // namespace norvo
