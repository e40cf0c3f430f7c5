#pragma once

#include <QAccessibleInterface>

namespace norvo::qt {

class AccessibleList;

// One entry of a combo box item's remembered list.
class AccessibleListEntry : public QAccessibleInterface {
public:
    AccessibleListEntry(AccessibleList& list, int position);

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

private:
    AccessibleList& list_;
    const int position_;
};

} // namespace norvo::qt
