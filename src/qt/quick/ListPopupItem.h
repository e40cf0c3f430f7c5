#pragma once

#include <QFont>
#include <QQuickPaintedItem>
#include <QStringList>

namespace norvo::qt {

class ComboBoxItem;

// The dropped-down list of a combo box item (in a floating window of its
// own): one row per item; a click on a row picks it. One row is marked: the
// one under the pointer, or the one the arrow keys moved to; it opens on the
// box's own text.
class ListPopupItem : public QQuickPaintedItem {
    Q_OBJECT

public:
    ListPopupItem(ComboBoxItem& owner, const QStringList& items, const QFont& font, QQuickItem* scene);

    // The marked row, or -1 for none.
    int marked() const { return marked_; }
    // Moves the mark by rows, staying within the list.
    void moveMark(int rows);

    void paint(QPainter* painter) override;
    // Where the row lies in the item.
    QRectF rowRect(int row) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hoverEnterEvent(QHoverEvent* event) override;
    void hoverMoveEvent(QHoverEvent* event) override;

private:
    int rowAt(QPointF at) const;
    void mark(int row);

    ComboBoxItem& owner_;
    const QStringList items_;
    const QFont font_;
    const int rowHeight_;
    int marked_;
    // Where the pointer was last seen over the list.
    QPointF pointer_;
};

} // namespace norvo::qt
