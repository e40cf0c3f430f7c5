#include "QuickFrameWatch.h"

#include "FirstFrameReport.h"

#include <QQuickWindow>

void QuickFrameWatch::watch(FirstFrameReport& report, QQuickWindow& window)
{
    QObject::connect(
        &window, &QQuickWindow::frameSwapped, &report, [&report] { report.frameShown(); }, Qt::DirectConnection);
}
