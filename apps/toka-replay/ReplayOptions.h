#pragma once

#include <cstdint>
#include <filesystem>

namespace norvo::replay {

class PanelRenderer;

struct ReplayOptions {
    // Where `snapshot` writes, for relative file names.
    std::filesystem::path pngDir = ".";
    // The front end for `pixel` and `snapshot`; none: those commands report an error.
    PanelRenderer* renderer = nullptr;
    // The longest `tick` a script may ask for; no limit when negative.
    std::int64_t maxTickMilliseconds = -1;
};

} // namespace norvo::replay
