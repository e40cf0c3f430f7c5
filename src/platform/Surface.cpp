#include "platform/Surface.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>

namespace norvo {

Surface::Surface(std::int32_t width, std::int32_t height, Colour background)
    : width_(width)
    , height_(height)
    , background_(background & 0xFFFFFF)
{
    if (width < 0 || height < 0 || (height > 0 && width > (1 << 26) / height))
        throw std::invalid_argument("invalid surface size " + std::to_string(width) + " x " + std::to_string(height));
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), background_);
}

bool Surface::inside(std::int32_t x, std::int32_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

Colour Surface::sample(std::int32_t x, std::int32_t y) const
{
    return inside(x, y)
        ? pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)]
        : background_;
}

Colour Surface::pixel(std::int32_t x, std::int32_t y) const
{
    if (!inside(x, y))
        throw std::out_of_range("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") outside the surface");
    return sample(x, y);
}

void Surface::setPixel(std::int32_t x, std::int32_t y, Colour colour)
{
    if (!inside(x, y))
        throw std::out_of_range("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") outside the surface");
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)]
        = colour & 0xFFFFFF;
}

void Surface::fill(const Rect& area, Colour colour)
{
    const std::int64_t endY = std::min<std::int64_t>(std::int64_t{area.y} + area.height, height_);
    const std::int64_t endX = std::min<std::int64_t>(std::int64_t{area.x} + area.width, width_);
    for (std::int64_t y = std::max<std::int64_t>(area.y, 0); y < endY; ++y)
        for (std::int64_t x = std::max<std::int64_t>(area.x, 0); x < endX; ++x)
            setPixel(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y), colour);
}

void Surface::copy(const Rect& source, std::int32_t x, std::int32_t y)
{
    stretch(source, Rect{x, y, source.width, source.height});
}

void Surface::stretch(const Rect& source, const Rect& destination)
{
    if (source.width <= 0 || source.height <= 0 || destination.width <= 0 || destination.height <= 0)
        return;
    // Overlapping blocks copy like a blit: sample from a snapshot then.
    const bool overlapping = std::int64_t{source.x} < std::int64_t{destination.x} + destination.width
        && std::int64_t{destination.x} < std::int64_t{source.x} + source.width
        && std::int64_t{source.y} < std::int64_t{destination.y} + destination.height
        && std::int64_t{destination.y} < std::int64_t{source.y} + source.height;
    const std::optional<Surface> snapshot = overlapping ? std::optional<Surface>(*this) : std::nullopt;
    const Surface& before = snapshot ? *snapshot : *this;
    const std::int64_t firstY = std::max<std::int64_t>(destination.y, 0);
    const std::int64_t endY = std::min<std::int64_t>(std::int64_t{destination.y} + destination.height, height_);
    const std::int64_t firstX = std::max<std::int64_t>(destination.x, 0);
    const std::int64_t endX = std::min<std::int64_t>(std::int64_t{destination.x} + destination.width, width_);
    for (std::int64_t y = firstY; y < endY; ++y) {
        const std::int64_t sy = source.y + (y - destination.y) * source.height / destination.height;
        for (std::int64_t x = firstX; x < endX; ++x) {
            const std::int64_t sx = source.x + (x - destination.x) * source.width / destination.width;
            const bool within = sx >= 0 && sy >= 0 && sx < width_ && sy < height_;
            setPixel(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y),
                within ? before.sample(static_cast<std::int32_t>(sx), static_cast<std::int32_t>(sy)) : background_);
        }
    }
}

} // namespace norvo
