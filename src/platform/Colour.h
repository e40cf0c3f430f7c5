#pragma once

#include <cstdint>

namespace norvo {

/// A colour as the platform stores it: red in the low byte, green in the middle
/// byte, blue in the third byte (&HBBGGRR). Values with the high bit set are
/// system colours (&H80000008 is the window text colour).
using Colour = std::uint32_t;

constexpr Colour rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return Colour{red} | (Colour{green} << 8) | (Colour{blue} << 16);
}
constexpr std::uint8_t redOf(Colour c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t greenOf(Colour c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t blueOf(Colour c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }

constexpr Colour SystemWindowText = 0x80000008u;

} // namespace norvo
