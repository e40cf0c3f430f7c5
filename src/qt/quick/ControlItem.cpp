#include "qt/quick/ControlItem.h"

#include "labels/UserLabel.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Shape.h"
#include "qt/common/AllProperties.h"
#include "qt/common/ControlAccessibility.h"
#include "qt/common/ControlPainter.h"
#include "qt/common/Conversions.h"
#include "qt/common/EventBoundary.h"
#include "qt/quick/QuickFormView.h"

#include <QAccessible>
#include <QCursor>
#include <QKeyEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QQuickWindow>

namespace norvo::qt {

namespace {

// The view an item belongs to: its outermost control item.
QuickFormView* viewOf(QQuickItem* item)
{
    QuickFormView* view = nullptr;
    for (; item; item = item->parentItem())
        if (auto* found = qobject_cast<QuickFormView*>(item))
            view = found;
    return view;
}

} // namespace

ControlItem::ControlItem(Control& control, QQuickItem* parent)
    : QQuickPaintedItem(parent)
    , control_(control)
{
    setAcceptedMouseButtons(Qt::AllButtons);
    setAcceptHoverEvents(true);
    // The pixels are painted at the device's resolution and shown one to one.
    setAntialiasing(false);
    setOpaquePainting(!control.windowless());
    if (control.kind() == ControlKind::UserLabelGraph)
        picture_ = ControlPainter::pictureOf(static_cast<UserLabel&>(control));
}

bool ControlItem::takesFocus() const
{
    // What only shows a state is nothing to act on.
    return control_.canTakeFocus() && control_.accessibleRole() != AccessibleRole::Indicator;
}

bool ControlItem::isTabStop() const { return takesFocus() && control_.tabStop(); }

Form* ControlItem::form() const
{
    Control& root = control_.root();
    return root.kind() == ControlKind::Form ? static_cast<Form*>(&root) : nullptr;
}

void ControlItem::reflectAll()
{
    for (const Property property : AllProperties)
        reflect(property);
}

void ControlItem::reflect(Property property)
{
    switch (property) {
    case Property::Visible:
        setVisible(control_.visible());
        tellCoveredSiblings();
        break;
    case Property::Enabled:
        setEnabled(control_.enabled());
        update();
        break;
    case Property::Left:
    case Property::Top:
    case Property::Width:
    case Property::Height:
        setPosition(QPointF(control_.left(), control_.top()));
        setSize(QSizeF(std::max(0, control_.width()), std::max(0, control_.height())));
        if (control_.kind() == ControlKind::UserLabelGraph) {
            picture_ = ControlPainter::pictureOf(static_cast<UserLabel&>(control_));
            update();
        }
        break;
    case Property::Picture:
        if (control_.kind() == ControlKind::UserLabelGraph) {
            picture_ = ControlPainter::pictureOf(static_cast<UserLabel&>(control_));
            update();
        }
        break;
    case Property::Caption: showCaption(); break;
    case Property::AccessibleName:
    case Property::AccessibleDescription:
    case Property::CheckState: ControlAccessibility::announce(*this, property); break;
    case Property::Transparent:
        setOpaquePainting(!control_.windowless()
            || (control_.kind() == ControlKind::Label && !static_cast<Label&>(control_).transparent()));
        update();
        break;
    case Property::MousePointer:
        if (control_.mousePointer() == 0)
            unsetCursor();
        else
            setCursor(toCursorShape(control_.mousePointer()));
        break;
    case Property::BackColor:
    case Property::ForeColor:
    case Property::Font:
    case Property::Alignment:
    case Property::FillColor:
    case Property::BorderColor: update(); break;
    default: break;
    }
}

void ControlItem::showCaption()
{
    if (control_.kind() != ControlKind::Label)
        return;
    const QString caption = toQString(static_cast<Label&>(control_).caption());
    if (caption == caption_)
        return;
    // Assistive technology reads the caption as the label's text.
    QAccessibleTextUpdateEvent event(this, 0, caption_, caption);
    caption_ = caption;
    update();
    QAccessible::updateAccessibility(&event);
}

void ControlItem::tellCoveredSiblings()
{
    // A windowed control coming or going may cover or bare the windowless
    // ones beneath it.
    if (control_.windowless() || !parentItem())
        return;
    for (QQuickItem* child : parentItem()->childItems())
        if (auto* sibling = qobject_cast<ControlItem*>(child); sibling && sibling->control().windowless())
            ControlAccessibility::announce(*sibling, Property::Visible);
}

void ControlItem::paint(QPainter* painter)
{
    countPaint();
    const QSize shown(static_cast<int>(width()), static_cast<int>(height()));
    switch (control_.kind()) {
    case ControlKind::Label:
        ControlPainter::paintLabel(*painter, shown, static_cast<Label&>(control_), caption_, isEnabled());
        return;
    case ControlKind::Shape: ControlPainter::paintShape(*painter, shown, static_cast<Shape&>(control_)); return;
    case ControlKind::UserLabelGraph:
        if (!picture_.isNull()) {
            ControlPainter::paintPicture(*painter, shown, static_cast<UserLabel&>(control_), picture_);
            return;
        }
        break;
    default: break;
    }
    ControlPainter::paintBackground(*painter, QRect(QPoint(0, 0), shown), control_);
}

void ControlItem::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (takesFocus())
        forceActiveFocus(Qt::MouseFocusReason);
    input_.press(*event);
}

void ControlItem::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    input_.release(*event, contains(event->position()));
}

void ControlItem::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    input_.doubleClick(*event);
}

void ControlItem::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    input_.move(*event);
}

void ControlItem::hoverEnterEvent(QHoverEvent* event)
{
    if (QuickFormView* view = viewOf(this))
        view->hovered(this);
    hoverMoveEvent(event);
}

void ControlItem::hoverMoveEvent(QHoverEvent* event)
{
    event->accept();
    tellMouseMove(event->position(), Qt::NoButton, event->modifiers());
}

void ControlItem::hoverLeaveEvent(QHoverEvent* event)
{
    if (QuickFormView* view = viewOf(this))
        view->left(this);
    event->accept();
}

void ControlItem::tellMouseMove(QPointF at, Qt::MouseButtons held, Qt::KeyboardModifiers modifiers)
{
    input_.move(QMouseEvent(QEvent::MouseMove, at, at, Qt::NoButton, held, modifiers));
}

bool ControlItem::moveFocusByKey(const QKeyEvent& event)
{
    const bool backwards
        = event.key() == Qt::Key_Backtab || (event.key() == Qt::Key_Tab && (event.modifiers() & Qt::ShiftModifier));
    if (event.key() != Qt::Key_Tab && event.key() != Qt::Key_Backtab)
        return false;
    if (QuickFormView* view = viewOf(this))
        view->moveFocus(this, !backwards);
    return true;
}

void ControlItem::keyPressEvent(QKeyEvent* event)
{
    if (moveFocusByKey(*event) || input_.key(*event))
        event->accept();
    else
        event->ignore();
}

void ControlItem::focusInEvent(QFocusEvent* event)
{
    QQuickPaintedItem::focusInEvent(event);
    QuickFormView* view = viewOf(this);
    if (view && takesFocus()) {
        view->markFocus(this);
        QAccessibleEvent focused(this, QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
    }
    if (Form* owner = form())
        deliver(control_, "focus", [&] { owner->setFocus(&control_); });
}

void ControlItem::focusOutEvent(QFocusEvent* event)
{
    QQuickPaintedItem::focusOutEvent(event);
    if (QuickFormView* view = viewOf(this))
        view->unmarkFocus(this);
    // The form keeps its focused control while the whole window is inactive
    // or a popup is open, as the platform does.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    // Another control of the same form taking the focus tells the form
    // itself, once the focus has arrived there.
    QMetaObject::invokeMethod(
        this,
        [this] {
            Form* owner = form();
            if (!owner || owner->focusedControl() != &control_ || hasActiveFocus())
                return;
            const QQuickWindow* shown = window();
            for (const QQuickItem* item = shown ? shown->activeFocusItem() : nullptr; item; item = item->parentItem())
                if (const auto* other = qobject_cast<const ControlItem*>(item);
                    other && &other->control().root() == &control_.root())
                    return;
            deliver(control_, "focus", [&] { owner->setFocus(nullptr); });
        },
        Qt::QueuedConnection);
}

} // namespace norvo::qt
