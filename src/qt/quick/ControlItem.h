#pragma once

#include "platform/Control.h"
#include "platform/Property.h"
#include "qt/common/ControlInput.h"

#include <QImage>
#include <QQuickPaintedItem>
#include <QString>

namespace norvo {
class Form;
}

namespace norvo::qt {

// The Qt Quick item of one model control. It reflects the control's
// properties, paints it as the Widgets front end does (ControlPainter) and
// forwards the user's input to the control's handlers; it decides nothing.
class ControlItem : public QQuickPaintedItem {
    Q_OBJECT

public:
    ControlItem(Control& control, QQuickItem* parent);

    Control& control() const { return control_; }
    // Brings the item in step with one changed property of its control.
    virtual void reflect(Property property);
    // Brings the item in step with every property, as when it is created.
    void reflectAll();
    // Whether a click gives it the keyboard focus.
    bool takesFocus() const;
    // Whether Tab stops at it.
    bool isTabStop() const;

    void paint(QPainter* painter) override;
    // How often the item has painted, for those who watch what a change costs.
    int paintCount() const { return paintCount_; }

protected:
    void countPaint() { ++paintCount_; }
    // The form the control is on, or nullptr when its tree has none at the root.
    Form* form() const;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void hoverEnterEvent(QHoverEvent* event) override;
    void hoverMoveEvent(QHoverEvent* event) override;
    void hoverLeaveEvent(QHoverEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    // Tab and Backtab move the focus in the form's order; true when the key
    // was one of them.
    bool moveFocusByKey(const QKeyEvent& event);

private:
    void showCaption();
    void tellCoveredSiblings();
    void tellMouseMove(QPointF at, Qt::MouseButtons held, Qt::KeyboardModifiers modifiers);

    Control& control_;
    QString caption_;
    QImage picture_;
    ControlInput input_{control_};
    int paintCount_ = 0;
};

} // namespace norvo::qt
