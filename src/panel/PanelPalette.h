#pragma once

#include "platform/Colour.h"

// The colours the panel paints its indicators with (&HBBGGRR).
namespace norvo::PanelPalette {

constexpr Colour Black = 0x000000;
constexpr Colour White = 0xFFFFFF;
constexpr Colour Olive = 0x008080; // frequency and room-name text
constexpr Colour Green = 0x00C000; // radio on, connected, not muted, priority set
constexpr Colour Brown = 0x004080; // radio off
constexpr Colour DarkGrey = 0x404040; // offline, muted, no priority, activity of a room not connected
constexpr Colour Teal = 0x808000; // pending
constexpr Colour Orange = 0x0080FF; // failed; activity "Active"
constexpr Colour Red = 0x0000FF; // kicked
constexpr Colour Cyan = 0xC0C000; // activity "Inactive"; activity bar idle
constexpr Colour Purple = 0x800080; // activity bar active

} // namespace norvo::PanelPalette
