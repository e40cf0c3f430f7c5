#pragma once

#include "platform/Colour.h"

#include <cstdint>
#include <vector>

namespace norvo {

struct Rect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    bool operator==(const Rect&) const = default;
};

// A persistent 24-bit drawing surface (what a control draws on stays until
// drawn over). Copies are clipped to the surface; pixels outside read as the
// surface's background.
class Surface {
public:
    Surface(std::int32_t width, std::int32_t height, Colour background = 0);

    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    Colour background() const { return background_; }

    Colour pixel(std::int32_t x, std::int32_t y) const;
    void setPixel(std::int32_t x, std::int32_t y, Colour colour);
    void fill(const Rect& area, Colour colour);

    // Plain copy of a block of this surface to (x, y) of the same surface.
    void copy(const Rect& source, std::int32_t x, std::int32_t y);
    // Nearest-neighbour stretch of a block of this surface over another block.
    void stretch(const Rect& source, const Rect& destination);

    bool operator==(const Surface&) const = default;

private:
    bool inside(std::int32_t x, std::int32_t y) const;
    Colour sample(std::int32_t x, std::int32_t y) const;

    std::int32_t width_;
    std::int32_t height_;
    Colour background_;
    std::vector<Colour> pixels_;
};

} // namespace norvo
