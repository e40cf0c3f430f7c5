#pragma once

#include "platform/Property.h"

namespace norvo::qt {

// Every property of a model control, in declaration order: what a view
// reflects when it first shows a control.
inline constexpr Property AllProperties[] = {Property::Visible, Property::Enabled, Property::Left, Property::Top,
    Property::Width, Property::Height, Property::ToolTipText, Property::BackColor, Property::ForeColor,
    Property::MousePointer, Property::TabIndex, Property::Caption, Property::Tag, Property::Font, Property::Transparent,
    Property::Alignment, Property::Text, Property::Selection, Property::List, Property::FillColor,
    Property::BorderColor, Property::Interval, Property::Picture, Property::TabStop, Property::Hint,
    Property::AccessibleRole, Property::AccessibleName, Property::AccessibleDescription, Property::CheckState};

} // namespace norvo::qt
