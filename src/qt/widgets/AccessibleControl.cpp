#include "qt/widgets/AccessibleControl.h"

#include "platform/ComboBox.h"
#include "qt/common/ControlAccessibility.h"
#include "qt/common/EventBoundary.h"
#include "qt/widgets/AccessibleLabel.h"
#include "qt/widgets/ControlWidget.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>

namespace norvo::qt {

namespace {

bool offersNothing(const ControlWidget& widget) { return !ControlAccessibility::isOffered(widget.control()); }

// The items a container offers, in the order of its children: the faces of
// control widgets, the children of those whose control is not offered in
// their place (or is offered by the container itself), and, inside a Qt
// widget that is a face, its own parts.
void collectOffered(const QWidget& container, bool withQtParts, QList<QWidget*>& offered)
{
    for (QObject* child : container.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow())
            continue;
        if (auto* control = qobject_cast<ControlWidget*>(widget)) {
            if (offersNothing(*control) || &control->face() == &container)
                collectOffered(*control, false, offered);
            else
                offered.append(&control->face());
        } else if (withQtParts) {
            offered.append(widget);
        }
    }
}

} // namespace

AccessibleControl::AccessibleControl(ControlWidget& owner, QWidget* face)
    : QAccessibleWidget(face)
    , owner_(owner)
{
}

void AccessibleControl::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&AccessibleControl::create);
        return true;
    }();
    static_cast<void>(installed);
}

QAccessibleInterface* AccessibleControl::create(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    // A control widget with a face of its own, inside it or around it, is no
    // item: Qt's default stands for it where it is asked for directly.
    auto* owner = qobject_cast<ControlWidget*>(widget);
    if (!owner)
        owner = qobject_cast<ControlWidget*>(widget->parentWidget());
    if (!owner)
        owner = widget->findChild<ControlWidget*>(QString(), Qt::FindDirectChildrenOnly);
    if (!owner || &owner->face() != widget)
        return nullptr;
    const Control& control = owner->control();
    if (control.kind() == ControlKind::Label && control.accessibleRole() == AccessibleRole::StaticText)
        return new AccessibleLabel(*owner);
    return new AccessibleControl(*owner, widget);
}

QList<QWidget*> AccessibleControl::offeredChildren() const
{
    QList<QWidget*> offered;
    // A combo box's list first, as Qt's own offers it.
    if (auto* box = qobject_cast<QComboBox*>(widget()))
        offered.append(box->view());
    collectOffered(*widget(), widget() != &owner_, offered);
    return offered;
}

QAccessible::Role AccessibleControl::role() const { return ControlAccessibility::roleOf(owner_.control()); }

QString AccessibleControl::text(QAccessible::Text t) const
{
    // Qt's widgets fall back on the tooltip for a description.
    return ControlAccessibility::textOf(owner_.control(), t).value_or(QAccessibleWidget::text(t));
}

QAccessible::State AccessibleControl::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    ControlAccessibility::addStatesOf(owner_.control(), state);
    if (auto* box = qobject_cast<QComboBox*>(widget()))
        state.expanded = box->view()->isVisible();
    return state;
}

QAccessibleInterface* AccessibleControl::parent() const
{
    QWidget* face = widget();
    if (!face->isWindow()) {
        for (QWidget* up = face->parentWidget(); up; up = up->parentWidget()) {
            const auto* control = qobject_cast<ControlWidget*>(up);
            if (!control || (!offersNothing(*control) && &control->face() == up) || up->isWindow())
                return QAccessible::queryAccessibleInterface(up);
        }
    }
    return QAccessible::queryAccessibleInterface(qApp);
}

int AccessibleControl::childCount() const { return static_cast<int>(offeredChildren().size()); }

QAccessibleInterface* AccessibleControl::child(int index) const
{
    const QList<QWidget*> offered = offeredChildren();
    if (index < 0 || index >= offered.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(offered.at(index));
}

int AccessibleControl::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child)
        return -1;
    return static_cast<int>(offeredChildren().indexOf(qobject_cast<QWidget*>(child->object())));
}

QStringList AccessibleControl::actionNames() const
{
    return ControlAccessibility::actionsOf(owner_.control()) + QAccessibleWidget::actionNames();
}

void AccessibleControl::doAction(const QString& actionName)
{
    Control& control = owner_.control();
    if (auto* box = qobject_cast<QComboBox*>(widget());
        box && (actionName == showMenuAction() || actionName == pressAction())) {
        if (box->view()->isVisible())
            box->hidePopup();
        else
            box->showPopup();
    } else if (ControlAccessibility::clicks(control, actionName)) {
        deliver(control, "press", [&] { control.click(); });
    } else {
        QAccessibleWidget::doAction(actionName);
    }
}

} // namespace norvo::qt
