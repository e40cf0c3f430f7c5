#pragma once

#include <string>
#include <string_view>

namespace norvo {

// The text without leading and trailing spaces, a view into it; tabs and
// other blanks stay.
std::string_view trimSpaces(std::string_view text);

// A room's information text on one line: carriage returns dropped, then each
// line feed shown as two spaces.
std::string oneLineInfo(std::string_view text);

// A radio room's tooltip: its name, " : ", its information on one line.
std::string roomTip(std::string_view name, std::string_view info);

// What a connected room's button tells assistive technology: "Connected",
// " to " and the room's name when it has one, ": " and its information on
// one line when it has some.
std::string connectedRoomWords(std::string_view name, std::string_view info);

} // namespace norvo
