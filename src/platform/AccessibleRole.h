#pragma once

namespace norvo {

// What a control is to assistive technology. None: the control is not
// offered itself (a frame, a background, a label's inner part); its children
// are offered in its place.
enum class AccessibleRole {
    None,
    Client,
    Button,
    ComboBox,
    StaticText,
    Indicator,
};

// Whether a control is a toggle, and then whether it is on.
enum class CheckState {
    NotCheckable,
    Unchecked,
    Checked,
};

} // namespace norvo
