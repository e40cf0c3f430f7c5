#include "qt/quick/AccessibleItem.h"

#include "qt/common/ControlAccessibility.h"
#include "qt/common/Conversions.h"
#include "qt/common/EventBoundary.h"
#include "qt/quick/AccessibleComboBoxItem.h"
#include "qt/quick/AccessibleLabelItem.h"
#include "qt/quick/AccessibleList.h"
#include "qt/quick/ComboBoxItem.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlProperty>
#include <QQuickWindow>

#include <functional>
#include <memory>

namespace norvo::qt {

namespace {

bool isOffered(const ControlItem& item) { return ControlAccessibility::isOffered(item.control()); }

// What QML's Accessible attaches to an item, found as QML finds it: through a
// component that uses it, on the item's engine or on one made for the purpose.
QQmlAttachedPropertiesFunc accessibleAttachment(QQuickItem& item)
{
    static QQmlAttachedPropertiesFunc found = nullptr;
    static bool looked = false;
    if (looked)
        return found;
    looked = true;
    QQmlEngine* engine = nullptr;
    for (QObject* up = &item; up && !engine; up = up->parent())
        engine = qmlEngine(up);
    std::unique_ptr<QQmlEngine> ownEngine;
    if (!engine) {
        ownEngine = std::make_unique<QQmlEngine>();
        engine = ownEngine.get();
    }
    QQmlComponent component(engine);
    component.setData("import QtQuick\nItem { Accessible.ignored: false }", QUrl());
    const std::unique_ptr<QObject> probe(component.create());
    if (!probe) {
        qCWarning(lcPanel, "no accessible items on Qt Quick: %s", qPrintable(component.errorString()));
        return nullptr;
    }
    const QQmlProperty ignored(probe.get(), QStringLiteral("Accessible.ignored"), qmlContext(probe.get()));
    if (ignored.object())
        found = qmlAttachedPropertiesFunction(&item, ignored.object()->metaObject());
    return found;
}

} // namespace

AccessibleItem::AccessibleItem(ControlItem& item)
    : QAccessibleObject(&item)
    , item_(item)
{
    if (auto* box = qobject_cast<ComboBoxItem*>(&item))
        list_ = QAccessible::registerAccessibleInterface(new AccessibleList(*box));
}

AccessibleItem::~AccessibleItem()
{
    if (list_)
        QAccessible::deleteAccessibleInterface(list_);
}

void AccessibleItem::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&AccessibleItem::create);
        return true;
    }();
    static_cast<void>(installed);
}

void AccessibleItem::offer(QQuickItem& item)
{
    if (QQmlAttachedPropertiesFunc attachment = accessibleAttachment(item))
        qmlAttachedPropertiesObject(&item, attachment, true);
}

QAccessibleInterface* AccessibleItem::create(const QString&, QObject* object)
{
    auto* item = qobject_cast<ControlItem*>(object);
    if (!item || !isOffered(*item))
        return nullptr;
    const Control& control = item->control();
    if (control.kind() == ControlKind::Label && control.accessibleRole() == AccessibleRole::StaticText)
        return new AccessibleLabelItem(*item);
    if (auto* box = qobject_cast<ComboBoxItem*>(item))
        return new AccessibleComboBoxItem(*box);
    return new AccessibleItem(*item);
}

void* AccessibleItem::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface*>(this);
    return QAccessibleObject::interface_cast(type);
}

QWindow* AccessibleItem::window() const { return item_.window(); }

QRect AccessibleItem::rect() const
{
    if (!item_.window())
        return {};
    return QRect(item_.mapToGlobal(QPointF(0, 0)).toPoint(), item_.size().toSize());
}

QAccessible::Role AccessibleItem::role() const { return ControlAccessibility::roleOf(item_.control()); }

QString AccessibleItem::text(QAccessible::Text t) const
{
    // A description falls back on the tooltip, as Qt's widgets have it.
    const Control& control = item_.control();
    return ControlAccessibility::textOf(control, t)
        .value_or(t == QAccessible::Description ? toQString(control.shownToolTip()) : QString());
}

// Everything it reads comes from the model.
void AccessibleItem::setText(QAccessible::Text, const QString&) { }

QAccessible::State AccessibleItem::state() const
{
    QAccessible::State state;
    if (!item_.isVisible() || !item_.window() || !item_.window()->isVisible())
        state.invisible = true;
    if (!item_.isEnabled())
        state.disabled = true;
    if (item_.takesFocus()) {
        state.focusable = true;
        state.focused = item_.hasActiveFocus();
    }
    ControlAccessibility::addStatesOf(item_.control(), state);
    if (auto* box = qobject_cast<ComboBoxItem*>(&item_))
        state.expanded = box->listShown();
    return state;
}

QAccessibleInterface* AccessibleItem::parent() const
{
    // The nearest offered control around it, or what QML offers around it,
    // or the window.
    const QQmlAttachedPropertiesFunc attachment = accessibleAttachment(item_);
    for (QQuickItem* up = item_.parentItem(); up; up = up->parentItem()) {
        if (const auto* control = qobject_cast<const ControlItem*>(up)) {
            if (isOffered(*control))
                return QAccessible::queryAccessibleInterface(up);
        } else if (attachment && qmlAttachedPropertiesObject(up, attachment, false)) {
            return QAccessible::queryAccessibleInterface(up);
        }
    }
    return QAccessible::queryAccessibleInterface(item_.window());
}

QList<QAccessibleInterface*> AccessibleItem::offeredChildren() const
{
    QList<QAccessibleInterface*> offered;
    if (list_)
        offered.append(QAccessible::accessibleInterface(list_));
    // Children come bottom first, as the Widgets panel lists them; those not
    // offered give theirs in their place.
    std::function<void(const QQuickItem&)> collect = [&](const QQuickItem& container) {
        for (QQuickItem* child : container.childItems()) {
            auto* control = qobject_cast<ControlItem*>(child);
            if (!control)
                continue;
            if (isOffered(*control))
                offered.append(QAccessible::queryAccessibleInterface(control));
            else
                collect(*control);
        }
    };
    collect(item_);
    return offered;
}

int AccessibleItem::childCount() const { return static_cast<int>(offeredChildren().size()); }

QAccessibleInterface* AccessibleItem::child(int index) const { return offeredChildren().value(index); }

int AccessibleItem::indexOfChild(const QAccessibleInterface* child) const
{
    return static_cast<int>(offeredChildren().indexOf(const_cast<QAccessibleInterface*>(child)));
}

QStringList AccessibleItem::actionNames() const
{
    QStringList names = ControlAccessibility::actionsOf(item_.control());
    if (item_.takesFocus())
        names.append(setFocusAction());
    return names;
}

void AccessibleItem::doAction(const QString& actionName)
{
    Control& control = item_.control();
    if (auto* box = qobject_cast<ComboBoxItem*>(&item_);
        box && (actionName == showMenuAction() || actionName == pressAction()))
        box->toggleList();
    else if (ControlAccessibility::clicks(control, actionName))
        deliver(control, "press", [&] { control.click(); });
    else if (actionName == setFocusAction() && item_.takesFocus())
        item_.forceActiveFocus(Qt::OtherFocusReason);
}

QStringList AccessibleItem::keyBindingsForAction(const QString&) const { return {}; }

} // namespace norvo::qt
