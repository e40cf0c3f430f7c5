#include "qt/FocusMark.h"

#include "qt/Conversions.h"
#include "skin/Skin.h"

#include <QEvent>
#include <QPainter>

namespace norvo::qt {

FocusMark::FocusMark(QWidget* control)
    : QWidget(control)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(control->rect());
    control->installEventFilter(this);
}

bool FocusMark::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void FocusMark::paintEvent(QPaintEvent*)
{
    // Always there rather than shown and hidden, which Qt would paint only
    // after a round of the event loop.
    if (!parentWidget()->hasFocus())
        return;
    QPainter painter(this);
    const QColor light = toQColor(Skin::FocusMarkLight);
    const QColor dark = toQColor(Skin::FocusMarkDark);
    const int right = width() - 1;
    const int bottom = height() - 1;
    // Light and dark take turns along the edge, with a gap after each pair.
    const auto dot = [&](int x, int y) {
        const int step = (x + y) % 4;
        if (step < 2)
            painter.fillRect(x, y, 1, 1, step == 0 ? light : dark);
    };
    for (int x = 0; x <= right; ++x) {
        dot(x, 0);
        dot(x, bottom);
    }
    for (int y = 1; y < bottom; ++y) {
        dot(0, y);
        dot(right, y);
    }
}

} // namespace norvo::qt
