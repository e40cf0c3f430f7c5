#pragma once

namespace norvo {

// What a control is to assistive technology. None: the control is not
// offered itself (a frame, a background, a label's inner part); its children
// are offered in its place.
enum class AccessibleRole {
    None,
    Client,
    // A group of controls, as the panel is.
    Pane,
    Button,
    // A toggle: on or off, as its CheckState says.
    CheckBox,
    ComboBox,
    StaticText,
    // Shows a state; nothing to act on.
    Indicator,
};

// Whether a control is a toggle, and then whether it is on.
enum class CheckState {
    NotCheckable,
    Unchecked,
    Checked,
};

} // namespace norvo
