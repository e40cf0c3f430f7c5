#include "qt/widgets/WindowDrag.h"

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

void WindowDrag::finish()
{
    deleteLater();
    QCoreApplication::instance()->removeEventFilter(this);
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto& move = static_cast<QMouseEvent&>(*event);
        // Without the button the release went by unseen: the drag is over.
        if (!(move.buttons() & Qt::LeftButton))
            finish();
        else if (window_)
            window_->move(windowAt_ + move.globalPosition().toPoint() - grabbedAt_);
        break;
    }
    case QEvent::MouseButtonRelease: finish(); break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace norvo::qt
