#pragma once

#include <QAccessibleWidget>

namespace norvo {
class Control;
}

namespace norvo::qt {

class ControlWidget;

// What assistive technology is told about a model control, on the widget that
// stands for it (its face): the role, name, state in words and toggle state
// the model gives the control, the widget's own states (focus, visibility),
// and a press action for buttons that runs what a click runs. Controls the
// model does not offer (role None: frames, backgrounds, a label's inner
// parts) are left out of the tree, their children offered in their place.
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

private:
    static QAccessibleInterface* create(const QString& className, QObject* object);
    QList<QWidget*> offeredChildren() const;

    ControlWidget& owner_;
};

} // namespace norvo::qt
