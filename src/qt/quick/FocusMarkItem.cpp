#include "qt/quick/FocusMarkItem.h"

#include "qt/common/ControlPainter.h"

namespace norvo::qt {

FocusMarkItem::FocusMarkItem(QQuickItem* view)
    : QQuickPaintedItem(view)
{
    setAcceptedMouseButtons(Qt::NoButton);
    setAntialiasing(false);
    setVisible(false);
}

void FocusMarkItem::mark(QQuickItem* control)
{
    if (control_ != control) {
        watch(false);
        control_ = control;
        watch(true);
    }
    follow();
    setVisible(true);
    update();
}

void FocusMarkItem::unmark(QQuickItem* control)
{
    if (control_ != control)
        return;
    watch(false);
    control_ = nullptr;
    setVisible(false);
}

void FocusMarkItem::watch(bool watching)
{
    for (const QMetaObject::Connection& connection : watched_)
        disconnect(connection);
    watched_.clear();
    if (!watching)
        return;
    for (QQuickItem* item = control_; item && item != parentItem(); item = item->parentItem())
        for (const auto change : {&QQuickItem::xChanged, &QQuickItem::yChanged, &QQuickItem::widthChanged,
                 &QQuickItem::heightChanged, &QQuickItem::visibleChanged})
            watched_.push_back(connect(item, change, this, &FocusMarkItem::follow));
}

void FocusMarkItem::follow()
{
    if (!control_)
        return;
    setPosition(control_->mapToItem(parentItem(), QPointF(0, 0)));
    setSize(control_->size());
    update();
}

void FocusMarkItem::paint(QPainter* painter)
{
    if (!control_ || !control_->hasActiveFocus() || !control_->isVisible())
        return;
    ControlPainter::paintFocusMark(*painter, QSize(static_cast<int>(width()), static_cast<int>(height())));
}

} // namespace norvo::qt
