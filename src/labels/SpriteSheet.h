#pragma once

#include "platform/Surface.h"

namespace norvo {

// The labels' built-in picture resource: 534 x 20 pixels, 24-bit, every
// state image side by side in one row.
class SpriteSheet {
public:
    static constexpr std::int32_t Width = 534;
    static constexpr std::int32_t Height = 20;

    // Draws the sheet at (x, y) of the surface.
    static void drawOnto(Surface& surface, std::int32_t x = 0, std::int32_t y = 0);
    static const Surface& image();
};

} // namespace norvo
