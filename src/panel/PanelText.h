#pragma once

#include <string>
#include <string_view>

namespace norvo {

// A room's information text on one line: carriage returns dropped, then each
// line feed shown as two spaces.
std::string oneLineInfo(std::string_view text);

// A radio room's tooltip: its name, " : ", its information on one line.
std::string roomTip(std::string_view name, std::string_view info);

} // namespace norvo
