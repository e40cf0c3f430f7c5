#pragma once

namespace norvo {

/// Every observable property of a model control. Observers learn which one
/// changed and read the new value from the control itself.
enum class Property {
    Visible,
    Enabled,
    Left,
    Top,
    Width,
    Height,
    ToolTipText,
    BackColor,
    ForeColor,
    MousePointer,
    TabIndex,
    Caption,
    Tag,
    Font,
    Transparent,
    Alignment,
    Text,
    Selection,
    List,
    FillColor,
    BorderColor,
    Interval,
    Picture,
    TabStop,
    Hint,
    AccessibleRole,
    AccessibleName,
    AccessibleDescription,
    CheckState,
};

} // namespace norvo
