#pragma once

#include <string_view>

namespace norvo {

class Control;
struct PanelControls;

// What each of the panel's controls is to assistive technology.
namespace Accessibility {

// Roles and names in a pilot's words, unique on the panel; the toggles start
// off, until the first refresh shows them.
void describe(Control& form, const PanelControls& controls);

// How a toggle tells whether it is on: On or Off, unless words are given.
void showToggle(Control& control, bool on, std::string_view words = {});

} // namespace Accessibility

} // namespace norvo
