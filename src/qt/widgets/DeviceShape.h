#pragma once

#include "qt/widgets/QtWindowSystem.h"

#include <QObject>

class QWidget;

namespace norvo::qt {

// The outline of a top-level window. Qt's mask is in the window's pixels and
// enlarged on a screen of more device pixels per pixel, so that its curves
// step by two there; on an X server the outline is made at the device pixels
// instead and given to the server, again whenever the window gets a native
// window or another screen. Elsewhere Qt's mask serves. Lives as a child of
// its window; a new outline replaces it.
class DeviceShape : public QObject {
    Q_OBJECT

public:
    static void apply(QWidget& window, const QtWindowSystem::RoundRect& outline);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DeviceShape(QWidget& window, const QtWindowSystem::RoundRect& outline);
    void reshape();

    QWidget& window_;
    const QtWindowSystem::RoundRect outline_;
};

} // namespace norvo::qt
