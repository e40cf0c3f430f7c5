#pragma once

#include <QMetaObject>
#include <QPointer>
#include <QQuickPaintedItem>

#include <vector>

namespace norvo::qt {

// The mark of the control item that has the keyboard focus, painted as the
// Widgets front end paints it (ControlPainter::paintFocusMark) on the view
// above everything. It follows its control's place and size and lets the
// mouse through.
class FocusMarkItem : public QQuickPaintedItem {
    Q_OBJECT

public:
    explicit FocusMarkItem(QQuickItem* view);

    void mark(QQuickItem* control);
    void unmark(QQuickItem* control);

    void paint(QPainter* painter) override;

private:
    // Watches the control and the items between it and the view, whose
    // moves move the control on the view.
    void watch(bool watching);
    void follow();

    QPointer<QQuickItem> control_;
    std::vector<QMetaObject::Connection> watched_;
};

} // namespace norvo::qt
