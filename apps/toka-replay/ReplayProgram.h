#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace norvo::replay {

class PanelRenderer;

// The toka-replay command: `toka-replay [--png-dir DIR] FILE...`, "-" reading
// standard input. Returns the exit status: 0 when every script ran to its
// end, 1 when one had an invalid line or could not be read, 2 on a usage
// error.
class ReplayProgram {
public:
    static constexpr int Success = 0;
    static constexpr int ScriptFailed = 1;
    static constexpr int UsageError = 2;

    static int run(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err,
        PanelRenderer* renderer = nullptr);
};

} // namespace norvo::replay
