#pragma once

#include <QAccessibleObject>

class QQuickItem;

namespace norvo::qt {

class ControlItem;

// What assistive technology is told about a model control on the Qt Quick
// scene, as the Widgets panel tells it: the role, name, state in words and
// toggle state the model gives the control, the item's own states (focus,
// visibility; a label beneath the controls around it is not showing), a
// press action for buttons and a toggle action for toggles that run what a
// click runs, and a combo box's remembered list. Controls the model does not
// offer are left out of the tree, their children offered in their place.
class AccessibleItem : public QAccessibleObject, public QAccessibleActionInterface {
public:
    explicit AccessibleItem(ControlItem& item);
    ~AccessibleItem() override;

    // Makes Qt ask this class for control items; once is enough.
    static void install();
    // Makes the window list the item among its accessible children, as QML's
    // Accessible attached object does.
    static void offer(QQuickItem& item);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QWindow* window() const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QAccessible::State state() const override;
    QAccessibleInterface* parent() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

protected:
    ControlItem& item() const { return item_; }

private:
    static QAccessibleInterface* create(const QString& className, QObject* object);
    QList<QAccessibleInterface*> offeredChildren() const;

    ControlItem& item_;
    // A combo box's list, always its first child (the cache owns it).
    QAccessible::Id list_ = 0;
};

} // namespace norvo::qt
