#pragma once

#include <QObject>

class FirstFrameReport;
class QWidget;

// Tells the report of the first paint in a widget or any of its children:
// opaque children may cover the widget itself, which Qt then leaves unpainted.
class WidgetPaintWatch : public QObject {
public:
    WidgetPaintWatch(FirstFrameReport& report, QWidget& widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FirstFrameReport& report_;
    QWidget& widget_;
};
