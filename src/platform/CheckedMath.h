#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace norvo {

// Arithmetic on 32-bit values that come from outside. A result that does not
// fit is an error, never a wrap-around.
class ArithmeticOverflow : public std::overflow_error {
public:
    using std::overflow_error::overflow_error;
};

inline std::int32_t narrowChecked(std::int64_t value)
{
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        throw ArithmeticOverflow("32-bit overflow: " + std::to_string(value));
    return static_cast<std::int32_t>(value);
}

inline std::int32_t checkedAdd(std::int32_t a, std::int32_t b)
{
    return narrowChecked(std::int64_t{a} + std::int64_t{b});
}

inline std::int32_t checkedMul(std::int32_t a, std::int32_t b)
{
    return narrowChecked(std::int64_t{a} * std::int64_t{b});
}

} // namespace norvo
