#pragma once

#include <string>

namespace norvo {

// The main pilot user's radios: which is heard and which transmits ("1",
// "2" or "B" for both), and what each is tuned to.
struct PilotRadios {
    std::string receive = "1";
    std::string transmit = "1";
    std::string com1;
    std::string com2;
};

} // namespace norvo
