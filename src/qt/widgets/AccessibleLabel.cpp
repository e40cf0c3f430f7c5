#include "qt/widgets/AccessibleLabel.h"

#include "qt/widgets/LabelWidget.h"

#include <QTextLayout>

#include <algorithm>

namespace norvo::qt {

AccessibleLabel::AccessibleLabel(ControlWidget& owner)
    : AccessibleControl(owner, &owner)
{
}

void* AccessibleLabel::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return AccessibleControl::interface_cast(type);
}

QString AccessibleLabel::caption() const { return static_cast<const LabelWidget&>(owner()).caption(); }

void AccessibleLabel::layOut(QTextLayout& layout) const
{
    const auto& label = static_cast<const LabelWidget&>(owner());
    const int flags = label.captionFlags();
    layout.setText(label.caption());
    layout.setFont(label.captionFont());
    QTextOption option(Qt::Alignment(flags) & Qt::AlignHorizontal_Mask);
    option.setWrapMode((flags & Qt::TextWordWrap) ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label.width());
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
}

// Read only: no selection, the caret at the start.
void AccessibleLabel::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

int AccessibleLabel::selectionCount() const { return 0; }
void AccessibleLabel::addSelection(int, int) { }
void AccessibleLabel::removeSelection(int) { }
void AccessibleLabel::setSelection(int, int, int) { }
int AccessibleLabel::cursorPosition() const { return 0; }
void AccessibleLabel::setCursorPosition(int) { }
// The whole caption is always in view.
void AccessibleLabel::scrollToSubstring(int, int) { }

QString AccessibleLabel::text(int startOffset, int endOffset) const
{
    const QString shown = caption();
    const int start = std::clamp(startOffset, 0, static_cast<int>(shown.size()));
    const int end = endOffset < 0 ? static_cast<int>(shown.size()) : std::clamp(endOffset, start, int(shown.size()));
    return shown.mid(start, end - start);
}

int AccessibleLabel::characterCount() const { return static_cast<int>(caption().size()); }

QRect AccessibleLabel::characterRect(int offset) const
{
    QTextLayout layout;
    layOut(layout);
    const QTextLine line = layout.lineForTextPosition(offset);
    if (!line.isValid())
        return {};
    const qreal left = line.cursorToX(offset);
    const qreal right = line.cursorToX(offset + 1);
    // What lies outside the label is not drawn.
    const QRect local = QRectF(left, line.y(), right - left, line.height()).toAlignedRect() & owner().rect();
    return QRect(owner().mapToGlobal(local.topLeft()), local.size());
}

int AccessibleLabel::offsetAtPoint(const QPoint& point) const
{
    QTextLayout layout;
    layOut(layout);
    const QPointF local = owner().mapFromGlobal(point);
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if (line.rect().contains(local))
            return line.xToCursor(local.x(), QTextLine::CursorOnCharacter);
    }
    return -1;
}

QString AccessibleLabel::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace norvo::qt
