#pragma once

#include <utility>

namespace norvo {

// Gives a variable a value for as long as the guard lives, then puts back
// the value it had, also when an exception leaves the scope.
template <class T> class ScopedValue {
public:
    ScopedValue(T& variable, T value)
        : variable_(variable)
        , saved_(std::exchange(variable, std::move(value)))
    {
    }
    ~ScopedValue() { variable_ = std::move(saved_); }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

private:
    T& variable_;
    T saved_;
};

} // namespace norvo
