#include "qt/widgets/FormView.h"

#include "labels/UserLabel.h"
#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Shape.h"
#include "qt/widgets/ComboBoxWidget.h"
#include "qt/widgets/LabelWidget.h"
#include "qt/widgets/ShapeWidget.h"
#include "qt/widgets/UserLabelWidget.h"

#include <vector>

namespace norvo::qt {

FormView::FormView(Form& form, QWidget* parent)
    : ControlWidget(form, parent)
    , form_(form)
{
    widgets_.emplace(&form, this);
    build(form, this);
    for (const auto& [control, widget] : widgets_)
        widget->reflectAll();
    applyTabOrder();
    form_.addObserver(this);
}

FormView::~FormView() { form_.removeObserver(this); }

ControlWidget* FormView::widgetFor(const Control& control) const
{
    const auto found = widgets_.find(&control);
    return found == widgets_.end() ? nullptr : found->second;
}

ControlWidget* FormView::createWidget(Control& control, QWidget* containerWidget)
{
    switch (control.kind()) {
    case ControlKind::Timer: return nullptr;
    case ControlKind::Label: return new LabelWidget(static_cast<Label&>(control), containerWidget);
    case ControlKind::Shape: return new ShapeWidget(static_cast<Shape&>(control), containerWidget);
    case ControlKind::ComboBox: return new ComboBoxWidget(static_cast<ComboBox&>(control), containerWidget);
    case ControlKind::UserLabel:
    case ControlKind::UserLabelGraph: return new UserLabelWidget(static_cast<UserLabel&>(control), containerWidget);
    case ControlKind::Form:
    case ControlKind::Frame:
    case ControlKind::PictureBox: break;
    }
    return new ControlWidget(control, containerWidget);
}

void FormView::build(Control& container, QWidget* containerWidget)
{
    std::vector<ControlWidget*> windowless;
    std::vector<ControlWidget*> windowed;
    for (const auto& child : container.children()) {
        ControlWidget* widget = createWidget(*child, containerWidget);
        if (!widget)
            continue;
        widgets_.emplace(child.get(), widget);
        (child->windowless() ? windowless : windowed).push_back(widget);
        build(*child, widget);
    }
    // Children come bottom first; windowless ones lie beneath every windowed
    // sibling whatever their place.
    for (ControlWidget* widget : windowless)
        widget->raise();
    for (ControlWidget* widget : windowed)
        widget->raise();
}

void FormView::applyTabOrder()
{
    // Qt orders the widgets that take the focus themselves, a combo box's
    // own rather than the widget that holds it.
    std::vector<QWidget*> stops;
    for (Control* control : form_.tabOrder())
        if (ControlWidget* widget = widgetFor(*control); widget && widget->face().focusPolicy() != Qt::NoFocus)
            stops.push_back(&widget->face());
    // Each goes right after the first, the last one first: a stop created
    // before the first would otherwise stay ahead of it, where Tab from the
    // window finds it first.
    for (std::size_t i = stops.size(); i-- > 1;)
        setTabOrder(stops.front(), stops[i]);
}

void FormView::reflect(Property property)
{
    switch (property) {
    // The view sits wherever its host puts it and is shown when the host
    // shows it; only the form's size counts.
    case Property::Visible:
    case Property::Left:
    case Property::Top: return;
    case Property::Width:
    case Property::Height: {
        const QSize size(std::max(0, form_.width()), std::max(0, form_.height()));
        if (size == this->size())
            return;
        resize(size);
        emit formResized(size);
        return;
    }
    default: ControlWidget::reflect(property);
    }
}

void FormView::controlChanged(Control& control, Property property)
{
    if (property == Property::TabIndex) {
        applyTabOrder();
        return;
    }
    if (ControlWidget* widget = widgetFor(control))
        widget->reflect(property);
}

} // namespace norvo::qt
