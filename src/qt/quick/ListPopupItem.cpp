#include "qt/quick/ListPopupItem.h"

#include "platform/ComboBox.h"
#include "qt/common/Conversions.h"
#include "qt/quick/ComboBoxItem.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHoverEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace norvo::qt {

namespace {

constexpr int Margin = 2;

} // namespace

ListPopupItem::ListPopupItem(ComboBoxItem& owner, const QStringList& items, const QFont& font, QQuickItem* scene)
    : QQuickPaintedItem(scene)
    , owner_(owner)
    , items_(items)
    , font_(font)
    , rowHeight_(QFontMetrics(font).height() + 2 * Margin)
    , marked_(static_cast<int>(items.indexOf(toQString(owner.comboBox().text()))))
{
    setAcceptedMouseButtons(Qt::LeftButton);
    setAcceptHoverEvents(true);
    setHeight(rowHeight_ * items_.size() + 2);
}

int ListPopupItem::rowAt(QPointF at) const
{
    const int row = static_cast<int>((at.y() - 1) / rowHeight_);
    return at.y() >= 1 && row < items_.size() ? row : -1;
}

void ListPopupItem::mark(int row)
{
    if (row == marked_)
        return;
    marked_ = row;
    update();
    owner_.tellListMark();
}

void ListPopupItem::moveMark(int rows)
{
    if (!items_.isEmpty())
        mark(std::clamp(marked_ + rows, 0, static_cast<int>(items_.size()) - 1));
}

QRectF ListPopupItem::rowRect(int row) const { return QRectF(1, 1 + row * rowHeight_, width() - 2, rowHeight_); }

void ListPopupItem::paint(QPainter* painter)
{
    // In the box's own colours, as the Widgets panel's list shows them.
    const QPalette palette = QGuiApplication::palette();
    const ComboBox& box = owner_.comboBox();
    const QRectF area(0, 0, width(), height());
    painter->fillRect(area, toQColor(box.backColor()));
    painter->setFont(font_);
    for (int row = 0; row < items_.size(); ++row) {
        const QRectF line = rowRect(row);
        if (row == marked_)
            painter->fillRect(line, palette.color(QPalette::Highlight));
        painter->setPen(row == marked_ ? palette.color(QPalette::HighlightedText) : toQColor(box.foreColor()));
        painter->drawText(line.adjusted(Margin, 0, -Margin, 0), Qt::AlignVCenter | Qt::AlignLeft, items_.at(row));
    }
    painter->setPen(palette.color(QPalette::Mid));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(area.adjusted(0, 0, -1, -1));
}

void ListPopupItem::mousePressEvent(QMouseEvent* event) { event->accept(); }

void ListPopupItem::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    // Picking deletes this popup.
    owner_.pick(rowAt(event->position()));
}

// A list opened by the keyboard may open under a pointer at rest: only a
// pointer that moves marks a row.
void ListPopupItem::hoverEnterEvent(QHoverEvent* event) { pointer_ = event->position(); }

void ListPopupItem::hoverMoveEvent(QHoverEvent* event)
{
    if (event->position() == pointer_)
        return;
    pointer_ = event->position();
    if (const int row = rowAt(event->position()); row >= 0)
        mark(row);
}

} // namespace norvo::qt
