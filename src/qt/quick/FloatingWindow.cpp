#include "qt/quick/FloatingWindow.h"

#include <QQuickItem>

namespace norvo::qt {

FloatingWindow::FloatingWindow(QWindow& owner)
{
    setFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setTransientParent(&owner);
}

void FloatingWindow::present(QQuickItem& item, QPoint at)
{
    setGeometry(QRect(at, item.size().toSize()));
    show();
}

void FloatingWindow::discard(QQuickItem* item)
{
    if (auto* window = item ? qobject_cast<FloatingWindow*>(item->window()) : nullptr) {
        window->hide();
        window->deleteLater();
    }
}

} // namespace norvo::qt
