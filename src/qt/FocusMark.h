#pragma once

#include <QWidget>

namespace norvo::qt {

// The mark of a control that has the keyboard focus, drawn while it has it
// (the control updates it when the focus comes and goes): a dotted frame one
// pixel wide along the control's inner edge, in the skin's focus colours, over
// everything the control draws (its inner parts included). Half of the edge's
// pixels are left alone, so the control's own colour stays in view. It
// follows the control's size and lets the mouse through.
class FocusMark : public QWidget {
    Q_OBJECT

public:
    explicit FocusMark(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace norvo::qt
