#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/platform/Colour.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace norvo {

struct Rect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    bool operator==(const Rect&) const = default;
};

// Whether two rectangles share a pixel.
inline bool overlaps(const Rect& a, const Rect& b)
{
    return std::int64_t{a.x} < std::int64_t{b.x} + b.width && std::int64_t{b.x} < std::int64_t{a.x} + a.width
        && std::int64_t{a.y} < std::int64_t{b.y} + b.height && std::int64_t{b.y} < std::int64_t{a.y} + a.height;
}

// A persistent 24-bit drawing surface (what a control draws on stays until
// drawn over). Copies are clipped to the surface; pixels outside read as the
// surface's background. A row takes memory only once something is drawn on
// it: a large surface of which a control draws on a few bands stays small.
class NORVOUITOKA_EXPORT Surface {
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
    // Another surface drawn with its top-left corner at (x, y), clipped.
    void draw(const Surface& picture, std::int32_t x, std::int32_t y);

    // Same size, background and pixels.
    bool operator==(const Surface& other) const;

    // The pixels of row y, left to right; std::out_of_range outside the surface.
    std::span<const Colour> row(std::int32_t y) const;

private:
    bool inside(std::int32_t x, std::int32_t y) const;
    bool undrawn(std::int64_t y) const;
    const Colour* pixelsOf(std::int64_t y) const;
    // Row y's pixels, given memory of their own first.
    Colour* drawnPixelsOf(std::int64_t y);
    // Row sourceY of the source block stretched over columns firstX to
    // endX - 1 of the destination block, into line.
    void stretchRow(std::int64_t sourceY, const Rect& source, const Rect& destination, std::int64_t firstX,
        std::int64_t endX, Colour* line) const;

    std::int32_t width_;
    std::int32_t height_;
    Colour background_;
    // Empty while nothing was drawn on the row.
    std::vector<std::vector<Colour>> rows_;
    // One row of background, what every undrawn row shows.
    std::vector<Colour> blank_;
};

} // namespace norvo
