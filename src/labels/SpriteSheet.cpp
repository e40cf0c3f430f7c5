#include "labels/SpriteSheet.h"

#include "platform/CheckedMath.h"
#include "platform/HexDigit.h"

#include <cstdio>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace norvo {

namespace {

#include "labels/SpriteSheet.xpm"
#include "labels/SpriteSheet@2x.xpm"

constexpr std::size_t AsciiCount = 128;

[[noreturn]] void fail(std::string_view sheet, const std::string& why)
{
    throw std::logic_error(std::string(sheet) + ": " + why);
}

// Index of a colour key of one or two ASCII characters.
std::size_t keyIndex(std::string_view sheet, std::string_view key)
{
    std::size_t index = 0;
    for (const char c : key) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= AsciiCount)
            fail(sheet, "colour key outside ASCII");
        index = index * AsciiCount + code;
    }
    return index;
}

std::uint8_t hexByte(std::string_view sheet, std::string_view digits)
{
    const int high = hexDigitValue(digits[0]);
    const int low = hexDigitValue(digits[1]);
    if (high < 0 || low < 0)
        fail(sheet, "bad hex digits '" + std::string(digits.substr(0, 2)) + "'");
    return static_cast<std::uint8_t>(high * 16 + low);
}

// Decodes a compiled-in XPM of one or two characters per pixel with
// "<key> c #RRGGBB" colour lines. It is part of the program, so a bad one is
// a logic error.
Surface decodeSheet(
    std::span<const char* const> xpm, std::string_view sheet, std::int32_t expectedWidth, std::int32_t expectedHeight)
{
    int width = 0;
    int height = 0;
    int colours = 0;
    int charsPerPixel = 0;
    if (xpm.empty() || std::sscanf(xpm[0], "%d %d %d %d", &width, &height, &colours, &charsPerPixel) != 4
        || width != expectedWidth || height != expectedHeight || charsPerPixel < 1 || charsPerPixel > 2 || colours < 1
        || xpm.size() != static_cast<std::size_t>(1 + colours + height))
        fail(sheet, "unexpected XPM header");

    const auto keyLength = static_cast<std::size_t>(charsPerPixel);
    std::vector<Colour> palette(keyLength == 1 ? AsciiCount : AsciiCount * AsciiCount);
    std::vector<bool> known(palette.size());
    for (int i = 1; i <= colours; ++i) {
        const std::string_view line = xpm[static_cast<std::size_t>(i)];
        if (line.size() != keyLength + 10 || line.substr(keyLength, 4) != " c #")
            fail(sheet, "bad colour line " + std::string(line));
        const std::size_t key = keyIndex(sheet, line.substr(0, keyLength));
        const std::string_view hex = line.substr(keyLength + 4);
        palette[key] = rgb(hexByte(sheet, hex), hexByte(sheet, hex.substr(2)), hexByte(sheet, hex.substr(4)));
        known[key] = true;
    }

    Surface image(width, height);
    for (int y = 0; y < height; ++y) {
        const std::string_view row = xpm[static_cast<std::size_t>(1 + colours + y)];
        if (row.size() != static_cast<std::size_t>(width) * keyLength)
            fail(sheet, "row " + std::to_string(y) + " has the wrong width");
        for (int x = 0; x < width; ++x) {
            const std::size_t key = keyIndex(sheet, row.substr(static_cast<std::size_t>(x) * keyLength, keyLength));
            if (!known[key])
                fail(sheet, "unknown colour key in row " + std::to_string(y));
            image.setPixel(x, y, palette[key]);
        }
    }
    return image;
}

} // namespace

const Surface& SpriteSheet::image()
{
    static const Surface sheet = decodeSheet(SpriteSheet_xpm, "sprite sheet", Width, Height);
    return sheet;
}

const Surface& SpriteSheet::highDensityImage()
{
    static const Surface sheet = decodeSheet(
        SpriteSheet_2x_xpm, "high-density sprite sheet", Width * HighDensityScale, Height * HighDensityScale);
    return sheet;
}

Rect SpriteSheet::highDensityRect(const Rect& sheetRect)
{
    return {checkedMul(sheetRect.x, HighDensityScale), checkedMul(sheetRect.y, HighDensityScale),
        checkedMul(sheetRect.width, HighDensityScale), checkedMul(sheetRect.height, HighDensityScale)};
}

void SpriteSheet::drawOnto(Surface& surface, std::int32_t x, std::int32_t y) { surface.draw(image(), x, y); }

} // namespace norvo
