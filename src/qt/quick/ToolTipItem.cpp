#include "qt/quick/ToolTipItem.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace norvo::qt {

namespace {

constexpr int Margin = 3;

} // namespace

ToolTipItem::ToolTipItem(const QString& text, QQuickItem* scene)
    : QQuickPaintedItem(scene)
    , text_(text)
{
    setAcceptedMouseButtons(Qt::NoButton);
    const QSize textSize = QFontMetrics(QGuiApplication::font()).size(0, text_);
    setSize(QSizeF(textSize.width() + 2 * Margin, textSize.height() + 2 * Margin));
}

void ToolTipItem::paint(QPainter* painter)
{
    const QPalette palette = QGuiApplication::palette();
    const QRect area(0, 0, static_cast<int>(width()), static_cast<int>(height()));
    painter->fillRect(area, palette.color(QPalette::ToolTipBase));
    painter->setPen(palette.color(QPalette::ToolTipText));
    painter->drawRect(area.adjusted(0, 0, -1, -1));
    painter->setFont(QGuiApplication::font());
    painter->drawText(area.adjusted(Margin, Margin, -Margin, -Margin), 0, text_);
}

} // namespace norvo::qt
