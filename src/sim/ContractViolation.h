#pragma once

#include <NorvoUITOKA/norvouitoka_sim_export.h>

#include <stdexcept>
#include <string>

namespace norvo {

/// A caller broke the voice client's lock discipline. call() names the call
/// that broke it ("GetLong(9)"), what() says how.
class NORVOUITOKA_SIM_EXPORT ContractViolation : public std::logic_error {
public:
    /// The call that broke the discipline, and how it did.
    ContractViolation(std::string call, const std::string& what)
        : std::logic_error(what)
        , call_(std::move(call))
    {
    }

    /// The call that broke it, as "GetLong(9)".
    const std::string& call() const { return call_; }

private:
    std::string call_;
};

} // namespace norvo
