#pragma once

#include <cstdint>

// A voice object's room slots: slot 0 belongs to the radio COMM1, slot 1 to
// COMM2, slot 2 and any after it are free channels whose rooms are named.
// The panel indexes every per-slot control array by slot.
namespace norvo::Slots {

// The slots the panel shows; a voice object's other slots are ignored.
constexpr std::int32_t Shown = 3;
constexpr std::int32_t FreeChannel = 2;

// A radio's slot takes its room from the radio's frequency; the others hand
// over a typed name.
constexpr bool isRadio(std::int32_t slot) { return slot < 2; }

} // namespace norvo::Slots
