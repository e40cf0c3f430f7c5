#pragma once

#include <cstdint>
#include <string>

namespace norvo {

// How a simulated voice network starts.
struct SimulationOptions {
    // Seeds the random receive activity: the same seed, the same run.
    std::uint32_t seed = 1;
    // The voice object's layout: slots per block and the first block index
    // (the header takes 0 to firstIndex - 1 and needs HeaderIndex::Size).
    std::int32_t slotCount = 3;
    std::int32_t firstIndex = 7;
    // From a connect request to the room's answer.
    std::int64_t connectDelay = 800;
    // Receive activity coming and going by itself on connected rooms.
    bool randomActivity = true;
    bool checkContract = true;
    std::string com1 = "122.800";
    std::string com2 = "121.900";
};

} // namespace norvo
