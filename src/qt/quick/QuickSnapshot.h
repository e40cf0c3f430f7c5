#pragma once

#include <QImage>

namespace norvo {
class Control;
class TOKA;
} // namespace norvo

namespace norvo::qt {

// Renders what the Qt Quick panel shows, in a window of its own that is
// shown for the moment it takes, for tools that save pictures of it.
class QuickSnapshot {
public:
    // The panel's form at its current size and state, at the screen's
    // device pixel ratio.
    static QImage grab(norvo::TOKA& panel);
    // A combo box's list as the user drops it down (in a window of its own,
    // below the box); a null image for a control that is no combo box or
    // has nothing to list.
    static QImage grabList(norvo::TOKA& panel, const norvo::Control& comboBox);
};

} // namespace norvo::qt
