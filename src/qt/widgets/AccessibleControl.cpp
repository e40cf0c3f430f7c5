#include "qt/widgets/AccessibleControl.h"

#include "platform/ComboBox.h"
#include "qt/common/Conversions.h"
#include "qt/common/EventBoundary.h"
#include "qt/widgets/AccessibleLabel.h"
#include "qt/widgets/ControlWidget.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>

namespace norvo::qt {

namespace {

QAccessible::Role toQtRole(AccessibleRole role)
{
    switch (role) {
    case AccessibleRole::None: return QAccessible::NoRole;
    case AccessibleRole::Client: return QAccessible::Client;
    case AccessibleRole::Pane: return QAccessible::Pane;
    case AccessibleRole::Button: return QAccessible::Button;
    case AccessibleRole::CheckBox: return QAccessible::CheckBox;
    case AccessibleRole::ComboBox: return QAccessible::ComboBox;
    case AccessibleRole::StaticText: return QAccessible::StaticText;
    // Qt's bridge to screen readers knows no role for an indicator ("unknown"
    // to them): it reads as a text, its state as its description.
    case AccessibleRole::Indicator: return QAccessible::StaticText;
    }
    return QAccessible::Client;
}

bool offersNothing(const ControlWidget& widget) { return widget.control().accessibleRole() == AccessibleRole::None; }

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

bool AccessibleControl::covered() const
{
    // Only what is painted on its container lies beneath its siblings.
    const QWidget* container = owner_.parentWidget();
    if (!container || !ControlWidget::isWindowless(owner_.control()))
        return false;
    QRegion uncovered(owner_.geometry());
    for (QObject* child : container->children()) {
        const auto* sibling = qobject_cast<ControlWidget*>(child);
        if (sibling && !sibling->isHidden() && !ControlWidget::isWindowless(sibling->control()))
            uncovered -= sibling->geometry();
    }
    return uncovered.isEmpty();
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
        if (auto* box = qobject_cast<QComboBox*>(widget()))
            state.expanded = box->view()->isVisible();
    }
    // Beneath the controls around it, it shows nothing.
    if (covered())
        state.invisible = true;
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
    switch (role()) {
    case QAccessible::Button: names.prepend(pressAction()); break;
    case QAccessible::CheckBox: names.prepend(toggleAction()); break;
    case QAccessible::ComboBox: names = QStringList{showMenuAction(), pressAction()} + names; break;
    default: break;
    }
    return names;
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
    } else if ((actionName == pressAction() && role() == QAccessible::Button)
        || (actionName == toggleAction() && role() == QAccessible::CheckBox)) {
        deliver(control, "press", [&] { control.click(); });
    } else {
        QAccessibleWidget::doAction(actionName);
    }
}

} // namespace norvo::qt
