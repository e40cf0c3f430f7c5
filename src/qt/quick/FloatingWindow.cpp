#include "qt/quick/FloatingWindow.h"

#include <QQuickItem>

namespace norvo::qt {

FloatingWindow::FloatingWindow(QWindow& owner)
    : owner_(owner)
{
    setFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setTransientParent(&owner);
    connect(&owner, &QWindow::xChanged, this, &FloatingWindow::followOwner);
    connect(&owner, &QWindow::yChanged, this, &FloatingWindow::followOwner);
}

void FloatingWindow::present(QQuickItem& item, QPoint at)
{
    offset_ = at - owner_.position();
    setGeometry(QRect(at, item.size().toSize()));
    show();
}

void FloatingWindow::followOwner() { setPosition(owner_.position() + offset_); }

void FloatingWindow::discard(QQuickItem* item)
{
    if (auto* window = item ? qobject_cast<FloatingWindow*>(item->window()) : nullptr) {
        window->hide();
        window->deleteLater();
    }
}

} // namespace norvo::qt
