#pragma once

#include "platform/Colour.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

#include <ostream>

class QWidget;

namespace norvo::qt::testing {

// The colour at a pixel of an image, as the model writes colours.
Colour colourAt(const QImage& image, int x, int y);
// What a widget shows, one image pixel per widget pixel.
QImage render(QWidget& widget, qreal devicePixelRatio = 1.0);

// Shows the widget as a window and waits until it is exposed.
void showAndExpose(QWidget& widget);

// Collects the warnings Qt logs while it lives.
class WarningLog {
public:
    WarningLog();
    ~WarningLog();
    WarningLog(const WarningLog&) = delete;
    WarningLog& operator=(const WarningLog&) = delete;

    bool contains(const QString& text) const;
};

} // namespace norvo::qt::testing
