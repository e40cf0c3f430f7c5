#pragma once

#include "qt/quick/AccessibleItem.h"

#include <QAccessibleTextInterface>

namespace norvo::qt {

class ComboBoxItem;

// A combo box item as assistive technology reads it: a control like any
// other whose text is the one typed in it, with its caret and selection.
class AccessibleComboBoxItem : public AccessibleItem, public QAccessibleTextInterface {
public:
    explicit AccessibleComboBoxItem(ComboBoxItem& item);

    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    using AccessibleItem::text;

private:
    QString shown() const;
    // Model positions count characters; offsets here count UTF-16 units.
    int offsetOf(std::int32_t position) const;
    void select(int startOffset, int endOffset);

    ComboBoxItem& box_;
};

} // namespace norvo::qt
