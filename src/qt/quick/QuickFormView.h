#pragma once

#include "platform/ControlObserver.h"
#include "qt/quick/ControlItem.h"

#include <QAccessible>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <unordered_map>

namespace norvo {
class Form;
}

namespace norvo::qt {

class FocusMarkItem;
class ToolTipItem;

// The Qt Quick view of a model control tree: one item per control (timers
// have none), created once for the tree as it stands, then kept in step with
// it by its change notifications. The view is the form's own item, black
// unless the form says otherwise; the form must outlive it. It moves the
// keyboard focus in the form's tab order, marks the focused control above
// every control and shows the tooltip of the control under the mouse.
// Assistive technology reads it as it reads the Widgets panel.
class QuickFormView : public ControlItem, private ControlObserver, private QAccessible::ActivationObserver {
    Q_OBJECT

public:
    explicit QuickFormView(Form& form, QQuickItem* parent = nullptr);
    ~QuickFormView() override;

    Form& form() const { return form_; }
    // The item showing the control; nullptr for a timer.
    ControlItem* itemFor(const Control& control) const;

    void reflect(Property property) override;

    // The next (or previous) tab stop after the item takes the focus.
    void moveFocus(ControlItem* from, bool forward);
    void markFocus(ControlItem* item);
    void unmarkFocus(ControlItem* item);
    // The mouse entered or left an item: its tooltip shows after a pause.
    void hovered(ControlItem* item);
    void left(ControlItem* item);
    // How long the mouse rests on a control before its tooltip shows (as
    // long as Qt's widgets wait, unless told otherwise).
    void setToolTipDelay(std::chrono::milliseconds delay) { toolTipDelay_.setInterval(delay); }

signals:
    // The form's size changed (in pixels).
    void formResized(QSize size);

private:
    void controlChanged(Control& control, Property property) override;
    // The form is offered to assistive technology once it asks.
    void accessibilityActiveChanged(bool active) override;
    void build(Control& container, QQuickItem* containerItem);
    ControlItem* createItem(Control& control, QQuickItem* containerItem);
    void showToolTip();
    void hideToolTip();

    Form& form_;
    std::unordered_map<const Control*, ControlItem*> items_;
    FocusMarkItem* const mark_;
    QPointer<ControlItem> hovered_;
    QTimer toolTipDelay_;
    QPointer<ToolTipItem> toolTip_;
};

} // namespace norvo::qt
