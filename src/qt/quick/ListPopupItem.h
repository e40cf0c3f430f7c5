#pragma once

#include <QFont>
#include <QQuickPaintedItem>
#include <QStringList>

namespace norvo::qt {

class ComboBoxItem;

// The dropped-down list of a combo box item (in a floating window of its
// own): one row per item; a click on a row picks it.
class ListPopupItem : public QQuickPaintedItem {
    Q_OBJECT

public:
    ListPopupItem(ComboBoxItem& owner, const QStringList& items, const QFont& font, QQuickItem* scene);

    void paint(QPainter* painter) override;
    // Where the row lies in the item.
    QRectF rowRect(int row) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hoverMoveEvent(QHoverEvent* event) override;

private:
    int rowAt(QPointF at) const;

    ComboBoxItem& owner_;
    const QStringList items_;
    const QFont font_;
    const int rowHeight_;
    int hovered_ = -1;
};

} // namespace norvo::qt
