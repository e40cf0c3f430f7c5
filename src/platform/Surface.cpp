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
    rows_.resize(static_cast<std::size_t>(height));
    blank_.assign(static_cast<std::size_t>(width), background_);
}

bool Surface::inside(std::int32_t x, std::int32_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

const Colour* Surface::pixelsOf(std::int64_t y) const
{
    const std::vector<Colour>& row = rows_[static_cast<std::size_t>(y)];
    return row.empty() ? blank_.data() : row.data();
}

bool Surface::undrawn(std::int64_t y) const { return rows_[static_cast<std::size_t>(y)].empty(); }

Colour* Surface::drawnPixelsOf(std::int64_t y)
{
    std::vector<Colour>& row = rows_[static_cast<std::size_t>(y)];
    if (row.empty())
        row = blank_;
    return row.data();
}

bool Surface::operator==(const Surface& other) const
{
    if (width_ != other.width_ || height_ != other.height_ || background_ != other.background_)
        return false;
    for (std::int32_t y = 0; y < height_; ++y)
        if (!std::equal(pixelsOf(y), pixelsOf(y) + width_, other.pixelsOf(y)))
            return false;
    return true;
}

Colour Surface::pixel(std::int32_t x, std::int32_t y) const
{
    if (!inside(x, y))
        throw std::out_of_range("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") outside the surface");
    return pixelsOf(y)[x];
}

void Surface::setPixel(std::int32_t x, std::int32_t y, Colour colour)
{
    if (!inside(x, y))
        throw std::out_of_range("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") outside the surface");
    drawnPixelsOf(y)[x] = colour & 0xFFFFFF;
}

std::span<const Colour> Surface::row(std::int32_t y) const
{
    if (y < 0 || y >= height_)
        throw std::out_of_range("row " + std::to_string(y) + " outside the surface");
    return {pixelsOf(y), static_cast<std::size_t>(width_)};
}

void Surface::fill(const Rect& area, Colour colour)
{
    const std::int64_t endY = std::min<std::int64_t>(std::int64_t{area.y} + area.height, height_);
    const std::int64_t endX = std::min<std::int64_t>(std::int64_t{area.x} + area.width, width_);
    const std::int64_t firstX = std::max<std::int64_t>(area.x, 0);
    if (firstX >= endX)
        return;
    for (std::int64_t y = std::max<std::int64_t>(area.y, 0); y < endY; ++y)
        std::fill(drawnPixelsOf(y) + firstX, drawnPixelsOf(y) + endX, colour & 0xFFFFFF);
}

void Surface::draw(const Surface& picture, std::int32_t x, std::int32_t y)
{
    const std::int64_t firstX = std::max<std::int64_t>(x, 0);
    const std::int64_t endX = std::min<std::int64_t>(std::int64_t{x} + picture.width_, width_);
    const std::int64_t endY = std::min<std::int64_t>(std::int64_t{y} + picture.height_, height_);
    if (firstX >= endX)
        return;
    for (std::int64_t row = std::max<std::int64_t>(y, 0); row < endY; ++row) {
        const Colour* source = picture.pixelsOf(row - y) + (firstX - x);
        std::copy(source, source + (endX - firstX), drawnPixelsOf(row) + firstX);
    }
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
        // A whole row taken from an undrawn one is undrawn too.
        if (firstX == 0 && endX == width_ && (sourceY < 0 || sourceY >= height_ || before.undrawn(sourceY))) {
            rows_[static_cast<std::size_t>(y)] = std::vector<Colour>();
            previousSourceY = sourceY;
            continue;
        }
        Colour* line = drawnPixelsOf(y) + firstX;
        // A row stretched from the same source row as the one above is a copy of it.
        if (y > firstY && sourceY == previousSourceY)
            std::copy_n(drawnPixelsOf(y - 1) + firstX, shown, line);
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
    const Colour* sourceLine = pixelsOf(sourceY);
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
