#pragma once

#include "PanelRenderer.h"

#include <string>

class QAccessibleInterface;

namespace norvo {
class Control;
}

namespace norvo::replay {

// What assistive technology reads of a control shown by a Qt front end: its
// name, its description or the name of its role; an error where the front
// end shows it not (shown is null).
std::string readAccessible(QAccessibleInterface* shown, const Control& control, AccessibleItem item);

} // namespace norvo::replay
