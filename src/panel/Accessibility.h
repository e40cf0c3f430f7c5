#pragma once

#include <string_view>

namespace norvo {

class Control;
struct PanelControls;
struct PanelWords;

// What each of the panel's controls is to assistive technology.
namespace Accessibility {

// Roles and names in a pilot's words, unique on the panel; the toggles start
// off, until the first refresh shows them.
void describe(Control& form, const PanelControls& controls, const PanelWords& words);

// How a toggle tells whether it is on: On or Off, unless a description is
// given.
void showToggle(Control& control, bool on, const PanelWords& words, std::string_view description = {});

} // namespace Accessibility

} // namespace norvo
