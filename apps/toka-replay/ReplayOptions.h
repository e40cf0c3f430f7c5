#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace norvo {
class SettingsStore;
}

namespace norvo::replay {

class PanelRenderer;

// Opens the real per-user store on one INI file.
using SettingsFileOpener = std::function<std::unique_ptr<SettingsStore>(const std::filesystem::path& file)>;

// The real front ends by the names --front takes; the first is the default.
using FrontEnds = std::vector<std::pair<std::string, PanelRenderer*>>;

struct ReplayOptions {
    // Where `snapshot` writes, for relative file names.
    std::filesystem::path pngDir = ".";
    // The front end for `pixel` and `snapshot`; none: those commands report an error.
    PanelRenderer* renderer = nullptr;
    // The longest `tick` a script may ask for; no limit when negative.
    std::int64_t maxTickMilliseconds = -1;
    // The INI file each script's settings store reads and writes, through
    // openSettings; none: a store in memory, fresh for each script.
    std::filesystem::path settingsFile;
    SettingsFileOpener openSettings;
};

} // namespace norvo::replay
