#include "qt/widgets/ControlWidget.h"

#include "platform/Form.h"
#include "qt/common/AllProperties.h"
#include "qt/common/ControlAccessibility.h"
#include "qt/common/ControlPainter.h"
#include "qt/common/Conversions.h"
#include "qt/common/EventBoundary.h"
#include "qt/widgets/AccessibleControl.h"
#include "qt/widgets/FocusMark.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace norvo::qt {

namespace {

// The model control shown by a widget or by one of its ancestors.
const ControlWidget* owningControlWidget(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget())
        if (const auto* owner = qobject_cast<const ControlWidget*>(widget))
            return owner;
    return nullptr;
}

Qt::FocusPolicy focusPolicyOf(const Control& control)
{
    // What only shows a state is nothing to act on.
    if (!control.canTakeFocus() || control.accessibleRole() == AccessibleRole::Indicator)
        return Qt::NoFocus;
    return control.tabStop() ? Qt::StrongFocus : Qt::ClickFocus;
}

} // namespace

ControlWidget::ControlWidget(Control& control, QWidget* parent)
    : QWidget(parent)
    , control_(control)
{
    AccessibleControl::install();
    setMouseTracking(true);
    // A combo box shows the focus in its own way.
    marksFocus_ = control.canTakeFocus() && control.kind() != ControlKind::ComboBox;
    // Indicators and containers cover their whole rectangle.
    if (!control.windowless())
        setAttribute(Qt::WA_OpaquePaintEvent);
}

Form* ControlWidget::form() const
{
    Control& root = control_.root();
    return root.kind() == ControlKind::Form ? static_cast<Form*>(&root) : nullptr;
}

void ControlWidget::reflectAll()
{
    for (const Property property : AllProperties)
        reflect(property);
}

void ControlWidget::reflect(Property property)
{
    switch (property) {
    case Property::Visible:
        setVisible(control_.visible());
        tellCoveredSiblings();
        break;
    case Property::Enabled: setEnabled(control_.enabled()); break;
    case Property::Left:
    case Property::Top:
    case Property::Width:
    case Property::Height:
        setGeometry(control_.left(), control_.top(), std::max(0, control_.width()), std::max(0, control_.height()));
        break;
    case Property::ToolTipText:
    case Property::Hint: setToolTip(toQString(control_.shownToolTip())); break;
    case Property::TabStop: face_->setFocusPolicy(focusPolicyOf(control_)); break;
    case Property::AccessibleRole: face_->setFocusPolicy(focusPolicyOf(control_)); break;
    case Property::AccessibleName:
    case Property::AccessibleDescription:
    case Property::CheckState: ControlAccessibility::announce(*face_, property); break;
    case Property::MousePointer:
        if (control_.mousePointer() == 0)
            unsetCursor();
        else
            setCursor(toCursorShape(control_.mousePointer()));
        break;
    case Property::BackColor: update(); break;
    default: break;
    }
}

void ControlWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    ControlPainter::paintBackground(painter, event->rect(), control_);
}

void ControlWidget::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    input_.press(*event);
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    input_.release(*event, rect().contains(event->position().toPoint()));
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    input_.doubleClick(*event);
}

void ControlWidget::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    input_.move(*event);
}

void ControlWidget::tellCoveredSiblings()
{
    // A windowed control coming or going may cover or bare the windowless
    // ones beneath it.
    if (control_.windowless() || !parentWidget())
        return;
    for (QObject* child : parentWidget()->children())
        if (auto* sibling = qobject_cast<ControlWidget*>(child); sibling && sibling->control().windowless())
            ControlAccessibility::announce(sibling->face(), Property::Visible);
}

void ControlWidget::keyPressEvent(QKeyEvent* event)
{
    if (input_.key(*event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void ControlWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    showFocusMark(true);
    focusEntered();
}

void ControlWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    showFocusMark(false);
    focusLeft(*event);
}

void ControlWidget::showFocusMark(bool shown)
{
    if (!marksFocus_)
        return;
    // The outermost control widget is the view, where the mark lies above
    // every control.
    QWidget* view = this;
    for (QWidget* up = parentWidget(); up; up = up->parentWidget())
        if (qobject_cast<ControlWidget*>(up))
            view = up;
    if (shown)
        FocusMark::mark(*this, *view);
    else
        FocusMark::unmark(*this, *view);
}

void ControlWidget::focusEntered()
{
    if (Form* owner = form())
        deliver(control_, "focus", [&] { owner->setFocus(&control_); });
}

void ControlWidget::focusLeft(const QFocusEvent& event)
{
    // The form keeps its focused control while the whole window is inactive
    // or a popup is open, as the platform does.
    if (event.reason() == Qt::ActiveWindowFocusReason || event.reason() == Qt::PopupFocusReason)
        return;
    Form* owner = form();
    if (!owner || owner->focusedControl() != &control_)
        return;
    // A control of the same form taking the focus tells the form itself.
    const ControlWidget* next = owningControlWidget(QApplication::focusWidget());
    if (next && &next->control().root() == &control_.root())
        return;
    deliver(control_, "focus", [&] { owner->setFocus(nullptr); });
}

} // namespace norvo::qt
