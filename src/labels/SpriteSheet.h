#pragma once

#include "platform/Surface.h"

#include <NorvoUITOKA/norvouitoka_export.h>

namespace norvo {

// The labels' built-in picture resource: 534 x 20 pixels, 24-bit, every
// state image side by side in one row. The same images are drawn again for
// screens of twice the pixel density, each at twice the coordinates.
// Exported for the Qt front end, which draws the denser images itself; the
// header is not installed.
class NORVOUITOKA_EXPORT SpriteSheet {
public:
    static constexpr std::int32_t Width = 534;
    static constexpr std::int32_t Height = 20;
    static constexpr std::int32_t HighDensityScale = 2;

    // Draws the sheet at (x, y) of the surface.
    static void drawOnto(Surface& surface, std::int32_t x = 0, std::int32_t y = 0);
    static const Surface& image();

    // (Width x Height) * HighDensityScale; the image of a sheet rectangle lies
    // at highDensityRect of it.
    static const Surface& highDensityImage();
    // ArithmeticOverflow when a scaled value does not fit 32 bits.
    static Rect highDensityRect(const Rect& sheetRect);
};

} // namespace norvo
