#include "skin/Skin.h"

#include "platform/HexDigit.h"
#include "platform/TrimSpaces.h"

#include <cstddef>
#include <string>

namespace norvo::Skin {

std::array<Colour, ColourCount> SkinColours{};
bool SkinColoursLoaded = false;

void LoadSkinColours()
{
    if (SkinColoursLoaded)
        return;
    // Set first: a label refreshed while the table fills must not start over.
    SkinColoursLoaded = true;
    std::string_view rest = DefaultSkinColours;
    for (std::size_t i = 0; i < SkinColours.size(); ++i) {
        const auto comma = rest.find(',');
        SkinColours[i] = ParseSkinColour(rest.substr(0, comma));
        rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
    }
}

Colour ParseSkinColour(std::string_view text)
{
    std::string withoutHash;
    for (char c : trimSpaces(text))
        if (c != '#')
            withoutHash += c;
    const std::string_view digits = trimSpaces(withoutHash);

    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            break;
        value = value * 16 + static_cast<std::uint64_t>(digit);
        // A literal that does not fit 32 bits fails to evaluate; the error is
        // ignored and the colour stays black.
        if (value > 0xFFFFFFFFu)
            return 0;
    }
    const auto v = static_cast<std::uint32_t>(value);
    return ((v & 0xFFu) << 16) | (v & 0xFF00u) | ((v >> 16) & 0xFFu);
}

RoundRegion SetRoundRegion(WindowSystem& windows, const std::int32_t& window, std::int32_t width, std::int32_t height)
{
    RoundRegion region;
    region.handle = windows.CreateRoundRectRgn(0, 0, width, height, 22, 22);
    region.accepted = windows.SetWindowRgn(window, region.handle, true);
    return region;
}

void DeleteRegion(WindowSystem& windows, const std::int32_t& region)
{
    if (region != 0)
        windows.DeleteObject(region);
}

void DragWindow(WindowSystem& windows, const std::int32_t& window)
{
    if (window == 0)
        return;
    windows.DoEvents();
    windows.ReleaseCapture();
    // The window system runs its move loop inside this call.
    windows.SendMessage(window, WindowSystem::WM_NCLBUTTONDOWN, WindowSystem::HTCAPTION);
    windows.DoEvents();
}

} // namespace norvo::Skin
