#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/platform/Control.h>
#include <NorvoUITOKA/platform/Signal.h>

namespace norvo {

/// The top-level container of a control tree (a user control's own surface).
/// It knows which of its descendants has the keyboard focus.
class NORVOUITOKA_EXPORT Form : public Control {
public:
    /// An empty form, named as code finds it.
    explicit Form(std::string name);

    /// The descendant with the keyboard focus, or nullptr.
    Control* focusedControl() const { return focused_; }
    /// Gives the focus to a descendant (whatever its visibility), or to none;
    /// NoSuchControl for a control on another form.
    void setFocus(Control* control);

    /// Descendants that take part in the tab order, ascending.
    std::vector<Control*> tabOrder();

    /// The focus moved to another control, or to none.
    Signal<> focusChanged;

    /// Runs after the form's width or height changed (the user control's
    /// Resize event).
    std::function<void()> onResize;

protected:
    void resized() override;

private:
    Control* focused_ = nullptr;
};

} // namespace norvo
