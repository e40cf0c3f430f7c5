#include "qt/AccessibleControl.h"

#include "platform/ComboBox.h"
#include "qt/ControlWidget.h"
#include "qt/Conversions.h"
#include "qt/EventBoundary.h"

#include <QApplication>

namespace norvo::qt {

namespace {

QAccessible::Role toQtRole(AccessibleRole role)
{
    switch (role) {
    case AccessibleRole::None: return QAccessible::NoRole;
    case AccessibleRole::Client: return QAccessible::Client;
    case AccessibleRole::Button: return QAccessible::Button;
    case AccessibleRole::ComboBox: return QAccessible::ComboBox;
    case AccessibleRole::StaticText: return QAccessible::StaticText;
    case AccessibleRole::Indicator: return QAccessible::Indicator;
    }
    return QAccessible::Client;
}

bool offersNothing(const ControlWidget& widget) { return widget.control().accessibleRole() == AccessibleRole::None; }

// The items a container offers, in the order of its children: the faces of
// control widgets, the children of those whose control is not offered in
// their place, and, inside a Qt widget that is a face, its own parts.
void collectOffered(const QWidget& container, bool withQtParts, QList<QWidget*>& offered)
{
    for (QObject* child : container.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow())
            continue;
        if (auto* control = qobject_cast<ControlWidget*>(widget)) {
            if (offersNothing(*control))
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
    // A control widget with a face of its own inside is no item: Qt's
    // default stands for it where it is asked for directly.
    auto* owner = qobject_cast<ControlWidget*>(widget);
    if (!owner)
        owner = qobject_cast<ControlWidget*>(widget->parentWidget());
    if (!owner || &owner->face() != widget)
        return nullptr;
    return new AccessibleControl(*owner, widget);
}

QList<QWidget*> AccessibleControl::offeredChildren() const
{
    QList<QWidget*> offered;
    collectOffered(*widget(), widget() != &owner_, offered);
    return offered;
}

QAccessible::Role AccessibleControl::role() const { return toQtRole(owner_.control().accessibleRole()); }

QString AccessibleControl::text(QAccessible::Text t) const
{
    const Control& control = owner_.control();
    switch (t) {
    case QAccessible::Name:
        if (!control.accessibleName().empty())
            return toQString(control.accessibleName());
        break;
    case QAccessible::Description:
        // Qt's widgets fall back on the tooltip.
        if (!control.accessibleDescription().empty())
            return toQString(control.accessibleDescription());
        break;
    case QAccessible::Value:
        if (control.kind() == ControlKind::ComboBox)
            return toQString(static_cast<const ComboBox&>(control).text());
        break;
    case QAccessible::Help: return toQString(control.hint());
    default: break;
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleControl::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    const Control& control = owner_.control();
    if (control.checkState() != CheckState::NotCheckable) {
        state.checkable = true;
        state.checked = control.checkState() == CheckState::Checked;
    }
    if (control.kind() == ControlKind::ComboBox) {
        state.editable = true;
        state.expandable = true;
    }
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
    QStringList names = QAccessibleWidget::actionNames();
    if (role() == QAccessible::Button)
        names.prepend(pressAction());
    return names;
}

void AccessibleControl::doAction(const QString& actionName)
{
    if (actionName != pressAction() || role() != QAccessible::Button) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    Control& control = owner_.control();
    deliver(control, "press", [&] { control.click(); });
}

} // namespace norvo::qt
