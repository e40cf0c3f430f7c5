#pragma once

#include "ReplayOptions.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace norvo::replay {

// The toka-replay command: `toka-replay [--png-dir DIR] [--settings INI]
// [--front widgets|quick] FILE...`, "-" reading standard input. Returns the exit status: 0 when every
// script ran to its end, 1 when one had an invalid line, 2 on a usage error,
// a FILE that cannot be read or a --png-dir that cannot be written (the other
// files still run).
class ReplayProgram {
public:
    static constexpr int Success = 0;
    static constexpr int ScriptFailed = 1;
    static constexpr int UsageError = 2;

    // Without a front end, pixel and snapshot report an error; without an
    // opener, --settings is a usage error.
    static int run(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err,
        const FrontEnds& frontEnds = {}, SettingsFileOpener openSettings = {});
};

} // namespace norvo::replay
