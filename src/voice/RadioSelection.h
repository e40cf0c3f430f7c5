#pragma once

#include <string>
#include <string_view>

namespace norvo::RadioSelection {

// The radio heard once "receive both" is switched: "B" when on; when off, the
// transmitting radio, or radio 1 when both transmit.
inline std::string receiveAfter(bool both, std::string_view transmit)
{
    if (both)
        return "B";
    return std::string(transmit == "1" || transmit == "2" ? transmit : "1");
}

} // namespace norvo::RadioSelection
