#pragma once

#include <QPointer>
#include <QWidget>

namespace norvo::qt {

// The mark of the control that has the keyboard focus: a dotted frame two
// pixels wide along the control's edge, in the skin's focus colours, drawn on
// the form's view above everything (the control's inner parts and the
// neighbours that overlap its edge included). Along the edge the dots take
// turns between the outer and the inner ring, so that every other pixel of
// the frame keeps the control's own colour. One mark per view; it follows
// its control's place and size and lets the mouse through.
class FocusMark : public QWidget {
    Q_OBJECT

public:
    // Puts the view's mark on the control, which has the focus, or takes it
    // off; view is the control or one of its ancestors.
    static void mark(QWidget& control, QWidget& view);
    static void unmark(QWidget& control, QWidget& view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    explicit FocusMark(QWidget& view);
    static FocusMark* of(QWidget& view);
    // Watches the control and the ancestors between it and the view, whose
    // moves move the control on the view.
    void watch(bool watching);
    void follow();

    QPointer<QWidget> control_;
};

} // namespace norvo::qt
