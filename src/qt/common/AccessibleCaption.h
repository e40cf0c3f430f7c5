#pragma once

#include <NorvoUITOKA/norvouitoka_qtcommon_export.h>

#include <QAccessibleTextInterface>
#include <QPoint>
#include <QSize>

class QTextLayout;

namespace norvo {
class Label;
}

namespace norvo::qt {

// A label's text as assistive technology reads it: its caption as shown
// ("122.800" on a frequency label named "COM1 frequency"), read only, each
// character where the label draws it (as far as the label shows it). The
// front end tells where the label lies.
class NORVOUITOKA_QTCOMMON_EXPORT AccessibleCaption : public QAccessibleTextInterface {
public:
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

protected:
    virtual const Label& captionedLabel() const = 0;
    // The label's size and its origin on the screen, in its own pixels.
    virtual QSize captionArea() const = 0;
    virtual QPoint captionOrigin() const = 0;

private:
    QString caption() const;
    // The caption laid out as the label paints it, in the label's pixels.
    void layOut(QTextLayout& layout) const;
};

} // namespace norvo::qt
