#pragma once

#include <QQuickPaintedItem>
#include <QString>

namespace norvo::qt {

// A tooltip (in a floating window of its own), in the colours and font of
// the application's palette for tooltips.
class ToolTipItem : public QQuickPaintedItem {
    Q_OBJECT

public:
    ToolTipItem(const QString& text, QQuickItem* scene);

    void paint(QPainter* painter) override;
    const QString& text() const { return text_; }

private:
    const QString text_;
};

} // namespace norvo::qt
