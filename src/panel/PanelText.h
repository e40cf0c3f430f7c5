#pragma once

#include <string>
#include <string_view>

namespace norvo {

// A room's information text on one line: carriage returns dropped, then each
// line feed shown as two spaces.
std::string oneLineInfo(std::string_view text);

// A radio room's tooltip: its name, " : ", its information on one line.
std::string roomTip(std::string_view name, std::string_view info);

// Whether a tooltip shown is already what oneLineInfo or roomTip would make:
// a refresh mostly finds the room as it was, and then builds nothing.
bool isOneLineInfo(std::string_view shown, std::string_view info);
bool isRoomTip(std::string_view shown, std::string_view name, std::string_view info);

} // namespace norvo
