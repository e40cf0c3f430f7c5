#include "qt/WindowDrag.h"

#include <QCoreApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>

namespace norvo::qt {

WindowDrag::WindowDrag(QWidget* window)
    : window_(window)
    , grabbedAt_(QCursor::pos())
    , windowAt_(window->pos())
{
    QCoreApplication::instance()->installEventFilter(this);
}

WindowDrag::~WindowDrag()
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeEventFilter(this);
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        if (window_)
            window_->move(windowAt_ + static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - grabbedAt_);
        break;
    case QEvent::MouseButtonRelease:
        deleteLater();
        QCoreApplication::instance()->removeEventFilter(this);
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace norvo::qt
