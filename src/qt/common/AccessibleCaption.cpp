#include "qt/common/AccessibleCaption.h"

#include "platform/Label.h"
#include "qt/common/ControlAccessibility.h"
#include "qt/common/ControlPainter.h"
#include "qt/common/Conversions.h"

#include <QTextLayout>

namespace norvo::qt {

QString AccessibleCaption::caption() const { return toQString(captionedLabel().caption()); }

void AccessibleCaption::layOut(QTextLayout& layout) const
{
    const Label& label = captionedLabel();
    const int flags = ControlPainter::captionFlags(label);
    layout.setText(caption());
    layout.setFont(ControlPainter::captionFont(label));
    QTextOption option(Qt::Alignment(flags) & Qt::AlignHorizontal_Mask);
    option.setWrapMode((flags & Qt::TextWordWrap) ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(captionArea().width());
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
}

// Read only: no selection, the caret at the start.
void AccessibleCaption::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

int AccessibleCaption::selectionCount() const { return 0; }
void AccessibleCaption::addSelection(int, int) { }
void AccessibleCaption::removeSelection(int) { }
void AccessibleCaption::setSelection(int, int, int) { }
int AccessibleCaption::cursorPosition() const { return 0; }
void AccessibleCaption::setCursorPosition(int) { }
// The whole caption is always in view.
void AccessibleCaption::scrollToSubstring(int, int) { }

QString AccessibleCaption::text(int startOffset, int endOffset) const
{
    return ControlAccessibility::slice(caption(), startOffset, endOffset);
}

int AccessibleCaption::characterCount() const { return static_cast<int>(caption().size()); }

QRect AccessibleCaption::characterRect(int offset) const
{
    QTextLayout layout;
    layOut(layout);
    const QTextLine line = layout.lineForTextPosition(offset);
    if (!line.isValid())
        return {};
    const qreal left = line.cursorToX(offset);
    const qreal right = line.cursorToX(offset + 1);
    // What lies outside the label is not drawn.
    const QRect local
        = QRectF(left, line.y(), right - left, line.height()).toAlignedRect() & QRect(QPoint(0, 0), captionArea());
    return local.translated(captionOrigin());
}

int AccessibleCaption::offsetAtPoint(const QPoint& point) const
{
    QTextLayout layout;
    layOut(layout);
    const QPointF local = point - captionOrigin();
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if (line.rect().contains(local))
            return line.xToCursor(local.x(), QTextLine::CursorOnCharacter);
    }
    return -1;
}

QString AccessibleCaption::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace norvo::qt
