#pragma once

#include <cstdint>

// The character codes of key presses the controls act on.
namespace norvo::KeyAscii {

constexpr std::int16_t Enter = 13;
constexpr std::int16_t Space = 32;

} // namespace norvo::KeyAscii
