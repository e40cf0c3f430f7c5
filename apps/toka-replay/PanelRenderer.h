#pragma once

#include "platform/Colour.h"

#include <cstdint>
#include <filesystem>

namespace norvo {
class TOKA;
}

namespace norvo::replay {

// Renders the panel through a real front end, for `pixel` and `snapshot`.
// Errors are exceptions (reported as `error: ...`).
class PanelRenderer {
public:
    virtual ~PanelRenderer() = default;
    // The colour shown at panel pixel (x, y), as &HBBGGRR.
    virtual Colour pixel(TOKA& panel, std::int32_t x, std::int32_t y) = 0;
    virtual void snapshot(TOKA& panel, const std::filesystem::path& file) = 0;
};

} // namespace norvo::replay
