#include "qt/widgets/FocusMark.h"

#include "qt/common/ControlPainter.h"

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
    ControlPainter::paintFocusMark(painter, size());
}

} // namespace norvo::qt
