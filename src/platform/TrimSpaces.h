#pragma once

#include <string_view>

namespace norvo {

// The text without its leading and trailing spaces, a view into it; tabs and
// other blanks stay.
constexpr std::string_view trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

} // namespace norvo
