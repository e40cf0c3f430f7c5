#include "qt/widgets/FocusMark.h"

#include "qt/common/Conversions.h"
#include "skin/Skin.h"

#include <QEvent>
#include <QPainter>

namespace norvo::qt {

FocusMark::FocusMark(QWidget& view)
    : QWidget(&view)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

FocusMark* FocusMark::of(QWidget& view) { return view.findChild<FocusMark*>(QString(), Qt::FindDirectChildrenOnly); }

void FocusMark::mark(QWidget& control, QWidget& view)
{
    FocusMark* mark = of(view);
    if (!mark)
        mark = new FocusMark(view);
    if (mark->control_ != &control) {
        mark->watch(false);
        mark->control_ = &control;
        mark->watch(true);
    }
    mark->follow();
    mark->raise();
    mark->show();
}

void FocusMark::unmark(QWidget& control, QWidget& view)
{
    // Made only when a control first has the focus, and never while the view
    // goes away.
    FocusMark* mark = of(view);
    if (!mark || mark->control_ != &control)
        return;
    mark->watch(false);
    mark->control_ = nullptr;
    mark->hide();
}

void FocusMark::watch(bool watching)
{
    for (QWidget* widget = control_; widget && widget != parentWidget(); widget = widget->parentWidget()) {
        if (watching)
            widget->installEventFilter(this);
        else
            widget->removeEventFilter(this);
    }
}

void FocusMark::follow()
{
    if (control_)
        setGeometry(QRect(control_->mapTo(parentWidget(), QPoint(0, 0)), control_->size()));
}

bool FocusMark::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize: follow(); break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void FocusMark::paintEvent(QPaintEvent*)
{
    if (!control_ || !control_->hasFocus() || !control_->isVisible())
        return;
    QPainter painter(this);
    const QColor light = toQColor(Skin::FocusMarkLight);
    const QColor dark = toQColor(Skin::FocusMarkDark);
    const int right = width() - 1;
    const int bottom = height() - 1;
    // Each pixel of the outer ring, or else its neighbour inside: light and
    // dark take turns, two on the outer ring, then two on the inner one. The
    // corners have no neighbour of their own inside.
    const bool twoRings = right >= 3 && bottom >= 3;
    const auto dot = [&](int x, int y, QPoint inside) {
        const int step = (x + y) % 4;
        const QColor& colour = step % 2 == 0 ? light : dark;
        if (step < 2 || !twoRings)
            painter.fillRect(x, y, 1, 1, colour);
        else if (!inside.isNull())
            painter.fillRect(inside.x(), inside.y(), 1, 1, colour);
    };
    for (int x = 0; x <= right; ++x) {
        const bool corner = x == 0 || x == right;
        dot(x, 0, corner ? QPoint() : QPoint(x, 1));
        dot(x, bottom, corner ? QPoint() : QPoint(x, bottom - 1));
    }
    for (int y = 1; y < bottom; ++y) {
        dot(0, y, QPoint(1, y));
        dot(right, y, QPoint(right - 1, y));
    }
}

} // namespace norvo::qt
