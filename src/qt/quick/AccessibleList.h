#pragma once

#include <QAccessibleInterface>
#include <QPointer>

#include <vector>

namespace norvo::qt {

class ComboBoxItem;

// A combo box item's remembered list as assistive technology reads it, shown
// or not: one entry per item of the model's list, named by its text.
class AccessibleList : public QAccessibleInterface {
public:
    explicit AccessibleList(ComboBoxItem& box);
    ~AccessibleList() override;

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

    // The text of the entry at the position; empty past the list's end.
    QString entryText(int position) const;
    // Where the entry lies on the screen while the list is shown.
    QRect entryRect(int position) const;
    // Whether the shown list marks the entry (where Return would pick).
    bool entryMarked(int position) const;

private:
    QPointer<ComboBoxItem> box_;
    // The entries asked for so far, by position (the cache owns them).
    mutable std::vector<QAccessible::Id> entries_;
};

} // namespace norvo::qt
