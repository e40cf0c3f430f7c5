#pragma once

#include <stdexcept>

namespace norvo::replay {

// An invalid script line: reported as "FILE:LINE: error: WHY", and the rest of
// the script is skipped. Errors the panel raises are not ScriptErrors.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace norvo::replay
