#pragma once

#include "ReplayOptions.h"

#include <ostream>
#include <string_view>

namespace norvo::replay {

// Runs panel scripts, each against a fresh panel and fresh outside
// components. What a script prints goes to out; an invalid line is reported
// on err as "FILE:LINE: error: WHY" and ends that script.
class ScriptRunner {
public:
    explicit ScriptRunner(ReplayOptions options = {})
        : options_(std::move(options))
    {
    }

    // True when the script ran to its end.
    bool run(std::string_view fileName, std::string_view script, std::ostream& out, std::ostream& err) const;

private:
    ReplayOptions options_;
};

} // namespace norvo::replay
