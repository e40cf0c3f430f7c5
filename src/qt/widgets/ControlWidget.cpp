#include "qt/widgets/ControlWidget.h"

#include "platform/Form.h"
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

constexpr Property AllProperties[] = {Property::Visible, Property::Enabled, Property::Left, Property::Top,
    Property::Width, Property::Height, Property::ToolTipText, Property::BackColor, Property::ForeColor,
    Property::MousePointer, Property::TabIndex, Property::Caption, Property::Tag, Property::Font, Property::Transparent,
    Property::Alignment, Property::Text, Property::Selection, Property::List, Property::FillColor,
    Property::BorderColor, Property::Interval, Property::Picture, Property::TabStop, Property::Hint,
    Property::AccessibleRole, Property::AccessibleName, Property::AccessibleDescription, Property::CheckState};

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
    if (!isWindowless(control))
        setAttribute(Qt::WA_OpaquePaintEvent);
}

bool ControlWidget::isWindowless(const Control& control)
{
    return control.kind() == ControlKind::Label || control.kind() == ControlKind::Shape;
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
    case Property::AccessibleName: tellAssistiveTechnology(QAccessible::NameChanged); break;
    case Property::AccessibleDescription: tellAssistiveTechnology(QAccessible::DescriptionChanged); break;
    case Property::CheckState: {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(face_, changed);
        QAccessible::updateAccessibility(&event);
        break;
    }
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
    painter.fillRect(event->rect(), toQColor(control_.backColor()));
}

void ControlWidget::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    clickPending_ = event->button() == Qt::LeftButton;
    const MouseEvent press = toMouseEvent(*event);
    deliver(control_, "mouse press", [&] { control_.mouseDown(press); });
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool click
        = clickPending_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    clickPending_ = false;
    if (click)
        deliver(control_, "click", [&] { control_.click(); });
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double-click is the double-click itself: no
    // mouse-down and, at its release, no click.
    event->accept();
    clickPending_ = false;
    if (event->button() == Qt::LeftButton)
        deliver(control_, "double-click", [&] { control_.dblClick(); });
}

void ControlWidget::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    const MouseEvent move = toMouseEvent(*event);
    deliver(control_, "mouse move", [&] { control_.mouseMove(move); });
}

void ControlWidget::tellAssistiveTechnology(QAccessible::Event event)
{
    QAccessibleEvent change(face_, event);
    QAccessible::updateAccessibility(&change);
}

void ControlWidget::tellCoveredSiblings()
{
    // A windowed control coming or going may cover or bare the windowless
    // ones beneath it.
    if (isWindowless(control_) || !parentWidget())
        return;
    QAccessible::State changed;
    changed.invisible = true;
    for (QObject* child : parentWidget()->children())
        if (auto* sibling = qobject_cast<ControlWidget*>(child); sibling && isWindowless(sibling->control())) {
            QAccessibleStateChangeEvent event(&sibling->face(), changed);
            QAccessible::updateAccessibility(&event);
        }
}

void ControlWidget::keyPressEvent(QKeyEvent* event)
{
    // A key held down is one press, as on the platform's buttons.
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    const std::optional<std::int16_t> code = keyAsciiOf(*event);
    if (!code) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    std::int16_t keyAscii = *code;
    deliver(control_, "key press", [&] { control_.keyPress(keyAscii); });
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
