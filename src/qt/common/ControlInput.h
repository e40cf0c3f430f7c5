#pragma once

#include <NorvoUITOKA/norvouitoka_qtcommon_export.h>

class QKeyEvent;
class QMouseEvent;

namespace norvo {
class Control;
}

namespace norvo::qt {

// The user's mouse and keys on one control, handed to the control's handlers
// as the platform hands them, whichever Qt front end shows the control: a
// left press and a release over the control make a click, the second press
// of a double-click is the double-click alone, a key held down is one press.
// Errors of the handlers are logged (EventBoundary).
class NORVOUITOKA_QTCOMMON_EXPORT ControlInput {
public:
    explicit ControlInput(Control& control)
        : control_(control)
    {
    }

    void press(const QMouseEvent& event);
    // inside: whether the pointer is over the control.
    void release(const QMouseEvent& event, bool inside);
    void doubleClick(const QMouseEvent& event);
    void move(const QMouseEvent& event);
    // Whether the key was the control's; keys that type nothing are not.
    bool key(const QKeyEvent& event);

private:
    Control& control_;
    // A left press whose release makes a click.
    bool clickPending_ = false;
};

} // namespace norvo::qt
