#pragma once

#include "platform/ControlObserver.h"
#include "qt/widgets/ControlWidget.h"

#include <unordered_map>

namespace norvo {
class Form;
}

namespace norvo::qt {

// The view of a model control tree: one widget per control (timers have
// none), created once for the tree as it stands, then kept in step with it by
// its change notifications. The view is the form's own widget, black unless
// the form says otherwise; the form must outlive it.
class FormView : public ControlWidget, private ControlObserver {
    Q_OBJECT

public:
    explicit FormView(Form& form, QWidget* parent = nullptr);
    ~FormView() override;

    Form& form() const { return form_; }
    // The widget showing the control; nullptr for a timer or a control the
    // view does not show.
    ControlWidget* widgetFor(const Control& control) const;

    void reflect(Property property) override;
    // The widget that holds the view, and only it, stands for the form to
    // assistive technology from now on: the view is no item of its own.
    void showThrough(QWidget& holder) { setFace(holder); }

signals:
    // The form's size changed (in pixels).
    void formResized(QSize size);

private:
    void controlChanged(Control& control, Property property) override;
    void build(Control& container, QWidget* containerWidget);
    ControlWidget* createWidget(Control& control, QWidget* containerWidget);
    void applyTabOrder();

    Form& form_;
    std::unordered_map<const Control*, ControlWidget*> widgets_;
};

} // namespace norvo::qt
