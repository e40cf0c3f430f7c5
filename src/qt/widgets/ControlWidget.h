#pragma once

#include "platform/Control.h"
#include "platform/Property.h"
#include "qt/common/ControlInput.h"

#include <QAccessible>
#include <QWidget>

namespace norvo {
class Form;
}

namespace norvo::qt {

// The widget of one model control. It reflects the control's properties and
// forwards the user's input to the control's handlers; it decides nothing.
// This base shows a rectangle filled with BackColor (forms, frames, picture
// boxes); subclasses draw the other kinds.
class ControlWidget : public QWidget {
    Q_OBJECT

public:
    ControlWidget(Control& control, QWidget* parent);

    Control& control() const { return control_; }
    // The widget that stands for the control to the keyboard and to
    // assistive technology: this one, a Qt widget inside it, or the widget
    // around it that shows a form's view as the one thing it holds.
    QWidget& face() const { return *face_; }

    // Brings the widget in step with one changed property of its control.
    virtual void reflect(Property property);
    // Brings the widget in step with every property, as when it is created.
    void reflectAll();

protected:
    void setFace(QWidget& face) { face_ = &face; }
    // The form the control is on, or nullptr when its tree has none at the root.
    Form* form() const;

    // Keyboard focus entering or leaving this control's widget; the form
    // learns which control has the focus.
    void focusEntered();
    void focusLeft(const QFocusEvent& event);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showFocusMark(bool shown);
    void tellCoveredSiblings();

    Control& control_;
    QWidget* face_ = this;
    // Whether the focus mark shows when it has the focus.
    bool marksFocus_ = false;
    ControlInput input_{control_};
};

} // namespace norvo::qt
