#pragma once

#include <QAccessibleWidget>

namespace norvo {
class Control;
}

namespace norvo::qt {

class ControlWidget;

// What assistive technology is told about a model control, on the widget that
// stands for it (its face): the role, name, state in words and toggle state
// the model gives the control, the widget's own states (focus, visibility; a
// label beneath the controls around it is not showing), a press action for
// buttons and a toggle action for toggles that run what a click runs, and a
// combo box's list and popup as Qt's own combo box offers them. Controls the
// model does not offer (role None: frames, backgrounds, a label's inner
// parts) are left out of the tree, their children offered in their place;
// so is a control whose face is the widget around it (the form of a
// TokaWidget), which offers them itself.
class AccessibleControl : public QAccessibleWidget {
public:
    AccessibleControl(ControlWidget& owner, QWidget* face);

    // Makes Qt ask this class for the widgets of model controls; once is enough.
    static void install();

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QAccessibleInterface* parent() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

protected:
    ControlWidget& owner() const { return owner_; }

private:
    static QAccessibleInterface* create(const QString& className, QObject* object);
    QList<QWidget*> offeredChildren() const;

    ControlWidget& owner_;
};

} // namespace norvo::qt
