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

std::size_t Surface::offset(std::int64_t x, std::int64_t y) const
{
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
}

Colour Surface::pixel(std::int32_t x, std::int32_t y) const
{
    if (!inside(x, y))
        throw std::out_of_range("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") outside the surface");
    return pixels_[offset(x, y)];
}

void Surface::setPixel(std::int32_t x, std::int32_t y, Colour colour)
{
    if (!inside(x, y))
        throw std::out_of_range("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") outside the surface");
    pixels_[offset(x, y)] = colour & 0xFFFFFF;
}

std::span<const Colour> Surface::row(std::int32_t y) const
{
    if (y < 0 || y >= height_)
        throw std::out_of_range("row " + std::to_string(y) + " outside the surface");
    return {pixels_.data() + offset(0, y), static_cast<std::size_t>(width_)};
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
    const std::int64_t firstY = std::max<std::int64_t>(destination.y, 0);
    const std::int64_t endY = std::min<std::int64_t>(std::int64_t{destination.y} + destination.height, height_);
    const std::int64_t firstX = std::max<std::int64_t>(destination.x, 0);
    const std::int64_t endX = std::min<std::int64_t>(std::int64_t{destination.x} + destination.width, width_);
    if (firstX >= endX || firstY >= endY)
        return;
    // Overlapping blocks copy like a blit: sample from a snapshot then.
    const std::optional<Surface> snapshot
        = overlaps(source, destination) ? std::optional<Surface>(*this) : std::nullopt;
    const Surface& before = snapshot ? *snapshot : *this;
    const auto shown = static_cast<std::size_t>(endX - firstX);
    std::int64_t previousSourceY = 0;
    for (std::int64_t y = firstY; y < endY; ++y) {
        const std::int64_t sourceY = source.y + (y - destination.y) * source.height / destination.height;
        Colour* line = &pixels_[offset(firstX, y)];
        // A row stretched from the same source row as the one above is a copy of it.
        if (y > firstY && sourceY == previousSourceY)
            std::copy_n(line - width_, shown, line);
        else
            before.stretchRow(sourceY, source, destination, firstX, endX, line);
        previousSourceY = sourceY;
    }
}

void Surface::stretchRow(std::int64_t sourceY, const Rect& source, const Rect& destination, std::int64_t firstX,
    std::int64_t endX, Colour* line) const
{
    const auto shown = static_cast<std::size_t>(endX - firstX);
    if (sourceY < 0 || sourceY >= height_) {
        std::fill_n(line, shown, background_);
        return;
    }
    const Colour* sourceLine = &pixels_[offset(0, sourceY)];
    const auto sampled
        = [&](std::int64_t sourceX) { return sourceX >= 0 && sourceX < width_ ? sourceLine[sourceX] : background_; };
    if (source.width == destination.width) {
        const std::int64_t shift = std::int64_t{source.x} - destination.x;
        const std::int64_t inFirst = std::clamp<std::int64_t>(-shift, firstX, endX);
        const std::int64_t inEnd = std::clamp<std::int64_t>(std::int64_t{width_} - shift, inFirst, endX);
        std::fill(line, line + (inFirst - firstX), background_);
        std::copy(sourceLine + inFirst + shift, sourceLine + inEnd + shift, line + (inFirst - firstX));
        std::fill(line + (inEnd - firstX), line + shown, background_);
        return;
    }
    // source x = source.x + (x - destination.x) * source.width / destination.width,
    // stepped without a division per pixel.
    const std::int64_t start = (firstX - destination.x) * source.width;
    std::int64_t whole = start / destination.width;
    std::int64_t part = start % destination.width;
    const std::int64_t wholeStep = source.width / destination.width;
    const std::int64_t partStep = source.width % destination.width;
    for (std::size_t i = 0; i < shown; ++i) {
        line[i] = sampled(source.x + whole);
        whole += wholeStep;
        part += partStep;
        if (part >= destination.width) {
            ++whole;
            part -= destination.width;
        }
    }
}

} // namespace norvo
