#pragma once

#include <QImage>

namespace norvo {
class TOKA;
}

namespace norvo::qt {

// Renders what the Qt Quick panel shows, in a window of its own that is
// shown for the moment it takes, for tools that save pictures of it.
class QuickSnapshot {
public:
    // The panel's form at its current size and state, at the screen's
    // device pixel ratio.
    static QImage grab(norvo::TOKA& panel);
};

} // namespace norvo::qt
