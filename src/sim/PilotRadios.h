#pragma once

#include <string>

namespace norvo {

/// The main pilot user's radios: which is heard and which transmits ("1",
/// "2" or "B" for both), and what each is tuned to.
struct PilotRadios {
    std::string receive = "1"; ///< The radio heard: "1", "2" or "B" for both.
    std::string transmit = "1"; ///< The radio that transmits: "1", "2" or "B".
    std::string com1; ///< Radio COMM1's frequency ("122.800").
    std::string com2; ///< Radio COMM2's frequency.
};

} // namespace norvo
