#pragma once

#include <QImage>

class QWidget;

namespace norvo {
class TOKA;
}

namespace norvo::qt {

// Renders what a panel shows, offscreen, for tools that read pixels or save
// pictures of it.
class PanelSnapshot {
public:
    // The panel's form at its current size and state; at a device pixel
    // ratio of r the image has r times as many pixels each way.
    static QImage grab(norvo::TOKA& panel, qreal devicePixelRatio = 1.0);
    // What a view of the panel that is already shown looks like, keyboard
    // focus included.
    static QImage grab(QWidget& view, qreal devicePixelRatio = 1.0);
};

} // namespace norvo::qt
