#include "qt/common/WindowDrag.h"

#include <QCoreApplication>
#include <QCursor>
#include <QMouseEvent>

#include <utility>

namespace norvo::qt {

WindowDrag::WindowDrag(QPoint windowAt, std::function<void(QPoint)> moveTo)
    : moveTo_(std::move(moveTo))
    , grabbedAt_(QCursor::pos())
    , windowAt_(windowAt)
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
        else
            moveTo_(windowAt_ + move.globalPosition().toPoint() - grabbedAt_);
        break;
    }
    case QEvent::MouseButtonRelease: finish(); break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace norvo::qt
