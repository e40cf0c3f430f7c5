#pragma once

#include "qt/widgets/AccessibleControl.h"

#include <QAccessibleTextInterface>

class QTextLayout;

namespace norvo::qt {

// A label as assistive technology reads it: a control like any other whose
// text is its caption as shown ("122.800" on a frequency label named "COM1
// frequency"), read only, each character where the label draws it (as far
// as the label shows it).
class AccessibleLabel : public AccessibleControl, public QAccessibleTextInterface {
public:
    explicit AccessibleLabel(ControlWidget& owner);

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

    using AccessibleControl::text;

private:
    QString caption() const;
    // The caption laid out as the label paints it, in the label's pixels.
    void layOut(QTextLayout& layout) const;
};

} // namespace norvo::qt
