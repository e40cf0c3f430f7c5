#include "qt/common/ControlAccessibility.h"

#include "platform/ComboBox.h"
#include "platform/Control.h"
#include "qt/common/Conversions.h"

#include <QRegion>

#include <algorithm>

namespace norvo::qt {

namespace {

QRect geometryOf(const Control& control)
{
    return QRect(control.left(), control.top(), std::max(0, control.width()), std::max(0, control.height()));
}

} // namespace

QAccessible::Role ControlAccessibility::roleOf(const Control& control)
{
    switch (control.accessibleRole()) {
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

bool ControlAccessibility::isOffered(const Control& control)
{
    return control.accessibleRole() != AccessibleRole::None;
}

std::optional<QString> ControlAccessibility::textOf(const Control& control, QAccessible::Text text)
{
    switch (text) {
    case QAccessible::Name:
        if (!control.accessibleName().empty())
            return toQString(control.accessibleName());
        break;
    case QAccessible::Description:
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
    return std::nullopt;
}

void ControlAccessibility::addStatesOf(const Control& control, QAccessible::State& state)
{
    if (control.checkState() != CheckState::NotCheckable) {
        state.checkable = true;
        state.checked = control.checkState() == CheckState::Checked;
    }
    if (control.kind() == ControlKind::ComboBox) {
        state.editable = true;
        state.expandable = true;
    }
    // Beneath the controls around it, it shows nothing.
    if (covered(control))
        state.invisible = true;
}

bool ControlAccessibility::covered(const Control& control)
{
    // Only what is painted on its container lies beneath its siblings.
    const Control* container = control.parent();
    if (!container || !control.windowless())
        return false;
    QRegion uncovered(geometryOf(control));
    for (const auto& sibling : container->children())
        if (sibling->visible() && sibling->kind() != ControlKind::Timer && !sibling->windowless())
            uncovered -= geometryOf(*sibling);
    return uncovered.isEmpty();
}

void ControlAccessibility::announce(QObject& shown, Property property)
{
    QAccessible::State changed;
    switch (property) {
    case Property::AccessibleName: {
        QAccessibleEvent event(&shown, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
        return;
    }
    case Property::AccessibleDescription: {
        QAccessibleEvent event(&shown, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
        return;
    }
    case Property::CheckState: changed.checked = true; break;
    case Property::Visible: changed.invisible = true; break;
    default: return;
    }
    QAccessibleStateChangeEvent event(&shown, changed);
    QAccessible::updateAccessibility(&event);
}

QString ControlAccessibility::slice(const QString& text, int startOffset, int endOffset)
{
    const int size = static_cast<int>(text.size());
    const int start = std::clamp(startOffset, 0, size);
    const int end = endOffset < 0 ? size : std::clamp(endOffset, start, size);
    return text.mid(start, end - start);
}

QStringList ControlAccessibility::actionsOf(const Control& control)
{
    switch (roleOf(control)) {
    case QAccessible::Button: return {QAccessibleActionInterface::pressAction()};
    case QAccessible::CheckBox: return {QAccessibleActionInterface::toggleAction()};
    case QAccessible::ComboBox:
        return {QAccessibleActionInterface::showMenuAction(), QAccessibleActionInterface::pressAction()};
    default: return {};
    }
}

bool ControlAccessibility::clicks(const Control& control, const QString& action)
{
    const QAccessible::Role role = roleOf(control);
    return (action == QAccessibleActionInterface::pressAction() && role == QAccessible::Button)
        || (action == QAccessibleActionInterface::toggleAction() && role == QAccessible::CheckBox);
}

} // namespace norvo::qt
