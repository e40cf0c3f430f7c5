#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/platform/Property.h>

namespace norvo {

class Control;

/// Told about every real change of a property of the observed control or of any
/// of its descendants. Setting a property to the value it has tells nothing.
class NORVOUITOKA_EXPORT ControlObserver {
public:
    virtual ~ControlObserver() = default;
    /// The property of the control (the observed one or one inside it) has
    /// changed to its new value.
    virtual void controlChanged(Control& control, Property property) = 0;
};

} // namespace norvo
