#pragma once

#include <string>
#include <string_view>

namespace norvo {

struct PanelWords;

// A text the panel shows about a room: a pattern whose %1 is the room's name
// and %2 its information on one line (carriage returns dropped, each line
// feed shown as two spaces).
class RoomText {
public:
    // A radio room's tooltip: its name, " : ", its information.
    static RoomText radioTip(std::string_view name, std::string_view info);
    // The free channel's tooltip: the information alone.
    static RoomText freeChannelTip(std::string_view info);
    // What a connected room's button tells assistive technology: "Connected",
    // " to " and the name when it has one, ": " and the information when
    // there is some (in the words' language).
    static RoomText connectedWords(const PanelWords& words, std::string_view name, std::string_view info);

    std::string text() const;

private:
    RoomText(std::string_view pattern, std::string_view name, std::string_view info);

    std::string_view pattern_;
    std::string_view name_;
    std::string_view info_;
};

} // namespace norvo
