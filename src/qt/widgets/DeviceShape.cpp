#include "qt/widgets/DeviceShape.h"

#include "qt/common/X11Desktop.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace norvo::qt {

DeviceShape::DeviceShape(QWidget& window, const QtWindowSystem::RoundRect& outline)
    : QObject(&window)
    , window_(window)
    , outline_(outline)
{
    window.installEventFilter(this);
}

void DeviceShape::apply(QWidget& window, const QtWindowSystem::RoundRect& outline)
{
    delete window.findChild<DeviceShape*>(QString(), Qt::FindDirectChildrenOnly);
    (new DeviceShape(window, outline))->reshape();
}

bool DeviceShape::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::WinIdChange:
    case QEvent::ScreenChangeInternal:
        if (watched == &window_)
            reshape();
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void DeviceShape::reshape()
{
    const qreal ratio = window_.devicePixelRatioF();
    QWindow* native = window_.windowHandle();
    if (ratio != 1 && native && X11Desktop::present()) {
        // A mask of Qt's would replace the outline on the server.
        window_.clearMask();
        const QRegion devicePixels = outline_.region(ratio);
        if (devicePixels.isEmpty() || X11Desktop::setShape(*native, devicePixels))
            return;
    }
    window_.setMask(outline_.region());
}

} // namespace norvo::qt
