#pragma once

#include "platform/Colour.h"
#include "platform/WindowSystem.h"

#include <array>
#include <cstdint>
#include <string_view>

// The Skin module: the colour styles the skinned labels share, and the
// window-shape and window-drag routines of the panel. One colour table per
// process, built by the first label that shows a colour look.
namespace norvo::Skin {

constexpr int ColourCount = 21;
constexpr std::string_view DefaultSkinColours
    = "#65CD30, #000000, #448825,#000000, #65E14F, #448825,#FF0301, #000000, #610500,#000000, #FFFFFF, "
      "#808080,#000000, #FDBA2B, #D8A400,#000000, #6DD9FF, #376C8B,#808080, #6DD9FF, #376C8B";

// A focused control's mark: dots alternating between the amber of the
// highlighted style (#FDBA2B) and black, which shows on every colour an
// indicator takes.
constexpr Colour FocusMarkLight = 0x2BBAFD;
constexpr Colour FocusMarkDark = 0x000000;

// Colour triple k (Status k) is entries 3k (caption), 3k+1 (fill), 3k+2 (border).
extern std::array<Colour, ColourCount> SkinColours;
extern bool SkinColoursLoaded;

void LoadSkinColours();
// "#RRGGBB" (blanks and "#" tolerated, hex read up to the first non-hex digit)
// to &HBBGGRR, bits 24-31 dropped. Never fails: text without hex digits, or
// with more than 32 bits of them, gives 0.
Colour ParseSkinColour(std::string_view text);

struct RoundRegion {
    std::int32_t handle = 0;
    bool accepted = false;
};

// Gives the window a rounded-rectangle region (0, 0)-(width, height) with
// 22 x 22 corner ellipses, redrawn; a region the window accepted belongs to it.
RoundRegion SetRoundRegion(WindowSystem& windows, const std::int32_t& window, std::int32_t width, std::int32_t height);
// Deletes the region unless the handle is 0.
void DeleteRegion(WindowSystem& windows, const std::int32_t& region);
// Starts moving the window as if its title bar had been grabbed; nothing for 0.
void DragWindow(WindowSystem& windows, const std::int32_t& window);

} // namespace norvo::Skin
