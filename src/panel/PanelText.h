#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace norvo {

// A text the panel shows about a room: fixed parts, then the room's
// information on one line (carriage returns dropped, each line feed shown as
// two spaces). A refresh mostly finds the room as it was: isShownBy() tells
// so without building anything.
class RoomText {
public:
    // A radio room's tooltip: its name, " : ", its information.
    static RoomText radioTip(std::string_view name, std::string_view info);
    // The free channel's tooltip: the information alone.
    static RoomText freeChannelTip(std::string_view info);
    // What a connected room's button tells assistive technology: "Connected",
    // " to " and the name when it has one, ": " and the information when
    // there is some.
    static RoomText connectedWords(std::string_view name, std::string_view info);

    std::string text() const;
    bool isShownBy(std::string_view shown) const;

private:
    RoomText(std::initializer_list<std::string_view> parts, std::string_view info);

    std::array<std::string_view, 4> parts_{};
    std::size_t partCount_ = 0;
    std::string_view info_;
};

} // namespace norvo
