#include "qt/quick/AccessibleComboBoxItem.h"

#include "platform/ComboBox.h"
#include "qt/common/ControlAccessibility.h"
#include "qt/common/Conversions.h"
#include "qt/common/EventBoundary.h"
#include "qt/quick/ComboBoxItem.h"

#include <algorithm>

namespace norvo::qt {

AccessibleComboBoxItem::AccessibleComboBoxItem(ComboBoxItem& item)
    : AccessibleItem(item)
    , box_(item)
{
}

void* AccessibleComboBoxItem::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return AccessibleItem::interface_cast(type);
}

QString AccessibleComboBoxItem::shown() const { return toQString(box_.comboBox().text()); }

int AccessibleComboBoxItem::offsetOf(std::int32_t position) const { return utf16Position(shown(), position); }

void AccessibleComboBoxItem::select(int startOffset, int endOffset)
{
    const QString text = shown();
    const std::int32_t from
        = characterPosition(text, std::clamp(std::min(startOffset, endOffset), 0, int(text.size())));
    const std::int32_t to = characterPosition(text, std::clamp(std::max(startOffset, endOffset), 0, int(text.size())));
    ComboBox& box = box_.comboBox();
    deliver(box, "selection", [&] {
        box.setSelStart(from);
        box.setSelLength(to - from);
    });
}

void AccessibleComboBoxItem::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const ComboBox& box = box_.comboBox();
    const bool any = selectionIndex == 0 && box.selLength() > 0;
    *startOffset = any ? offsetOf(box.selStart()) : 0;
    *endOffset = any ? offsetOf(box.selStart() + box.selLength()) : 0;
}

int AccessibleComboBoxItem::selectionCount() const { return box_.comboBox().selLength() > 0 ? 1 : 0; }

void AccessibleComboBoxItem::addSelection(int startOffset, int endOffset) { select(startOffset, endOffset); }

void AccessibleComboBoxItem::removeSelection(int) { setCursorPosition(cursorPosition()); }

void AccessibleComboBoxItem::setSelection(int, int startOffset, int endOffset) { select(startOffset, endOffset); }

int AccessibleComboBoxItem::cursorPosition() const
{
    const ComboBox& box = box_.comboBox();
    return offsetOf(box.selStart() + box.selLength());
}

void AccessibleComboBoxItem::setCursorPosition(int position) { select(position, position); }

QString AccessibleComboBoxItem::text(int startOffset, int endOffset) const
{
    return ControlAccessibility::slice(shown(), startOffset, endOffset);
}

int AccessibleComboBoxItem::characterCount() const { return static_cast<int>(shown().size()); }

// Where each character lies is the box's own business: the whole field.
QRect AccessibleComboBoxItem::characterRect(int) const { return rect(); }

int AccessibleComboBoxItem::offsetAtPoint(const QPoint&) const { return -1; }

void AccessibleComboBoxItem::scrollToSubstring(int, int) { }

QString AccessibleComboBoxItem::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace norvo::qt
