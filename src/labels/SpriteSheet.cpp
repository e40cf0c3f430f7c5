#include "labels/SpriteSheet.h"

#include "platform/HexDigit.h"

#include <array>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

namespace norvo {

namespace {

#include "labels/SpriteSheet.xpm"

int hexValue(char c)
{
    const int value = hexDigitValue(c);
    if (value < 0)
        throw std::logic_error(std::string("sprite sheet: bad hex digit '") + c + "'");
    return value;
}

// Decodes the one-character-per-pixel XPM compiled in above.
Surface decodeSheet()
{
    int width = 0;
    int height = 0;
    int colours = 0;
    int charsPerPixel = 0;
    if (std::sscanf(SpriteSheet_xpm[0], "%d %d %d %d", &width, &height, &colours, &charsPerPixel) != 4
        || width != SpriteSheet::Width || height != SpriteSheet::Height || charsPerPixel != 1 || colours < 1
        || colours > 94)
        throw std::logic_error("sprite sheet: unexpected XPM header");

    std::array<Colour, 128> palette{};
    std::array<bool, 128> known{};
    for (int i = 1; i <= colours; ++i) {
        const std::string_view line = SpriteSheet_xpm[i];
        // "<char> c #RRGGBB"
        if (line.size() != 11 || line.substr(1, 4) != " c #")
            throw std::logic_error("sprite sheet: bad colour line " + std::string(line));
        const auto key = static_cast<unsigned char>(line[0]);
        if (key >= 128)
            throw std::logic_error("sprite sheet: colour key outside ASCII");
        std::array<std::uint8_t, 3> channel{};
        for (std::size_t k = 0; k < 3; ++k)
            channel[k] = static_cast<std::uint8_t>(hexValue(line[5 + 2 * k]) * 16 + hexValue(line[6 + 2 * k]));
        palette[key] = rgb(channel[0], channel[1], channel[2]);
        known[key] = true;
    }

    Surface sheet(width, height);
    for (int y = 0; y < height; ++y) {
        const std::string_view row = SpriteSheet_xpm[1 + colours + y];
        if (row.size() != static_cast<std::size_t>(width))
            throw std::logic_error("sprite sheet: row " + std::to_string(y) + " has the wrong width");
        for (int x = 0; x < width; ++x) {
            const auto key = static_cast<unsigned char>(row[static_cast<std::size_t>(x)]);
            if (key >= 128 || !known[key])
                throw std::logic_error("sprite sheet: unknown colour key in row " + std::to_string(y));
            sheet.setPixel(x, y, palette[key]);
        }
    }
    return sheet;
}

} // namespace

const Surface& SpriteSheet::image()
{
    static const Surface sheet = decodeSheet();
    return sheet;
}

void SpriteSheet::drawOnto(Surface& surface, std::int32_t x, std::int32_t y)
{
    const Surface& sheet = image();
    for (std::int32_t row = 0; row < Height; ++row)
        for (std::int32_t column = 0; column < Width; ++column) {
            const std::int64_t tx = std::int64_t{x} + column;
            const std::int64_t ty = std::int64_t{y} + row;
            if (tx >= 0 && ty >= 0 && tx < surface.width() && ty < surface.height())
                surface.setPixel(
                    static_cast<std::int32_t>(tx), static_cast<std::int32_t>(ty), sheet.pixel(column, row));
        }
}

} // namespace norvo
