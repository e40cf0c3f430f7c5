#include "WidgetPaintWatch.h"

#include "FirstFrameReport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

WidgetPaintWatch::WidgetPaintWatch(FirstFrameReport& report, QWidget& widget)
    : report_(report)
    , widget_(widget)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool WidgetPaintWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && watched->isWidgetType()
        && (watched == &widget_ || widget_.isAncestorOf(static_cast<QWidget*>(watched)))) {
        QCoreApplication::instance()->removeEventFilter(this);
        // Qt paints the whole window and flushes it to the screen within the
        // one event that sends this paint; the report is queued behind it.
        report_.frameShown();
    }
    return QObject::eventFilter(watched, event);
}
