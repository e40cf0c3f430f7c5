#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/platform/AccessibleRole.h>
#include <NorvoUITOKA/platform/Colour.h>
#include <NorvoUITOKA/platform/ControlObserver.h>
#include <NorvoUITOKA/platform/Property.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace norvo {

/// The kinds of control a form is made of, one per concrete Control class.
enum class ControlKind {
    Form, ///< The panel's surface, the root of its controls (Form).
    Frame, ///< A plain container (Frame).
    PictureBox, ///< A coloured box, the panel's buttons (PictureBox).
    Label, ///< A caption (Label).
    ComboBox, ///< An edit field with a drop-down list (ComboBox).
    Shape, ///< A filled or outlined shape (Shape).
    Timer, ///< An invisible interval timer (Timer).
    UserLabel, ///< A skinned label (UserLabel).
    UserLabelGraph, ///< A skinned label with picture styles (UserLabelGraph).
};

/// The kind's name as written in code ("PictureBox"), for messages and logs.
NORVOUITOKA_EXPORT const char* controlKindName(ControlKind kind);

/// Mouse buttons as the platform numbers them.
enum MouseButton : int { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

/// A mouse press or movement as a control's handlers receive it.
struct MouseEvent {
    int button = LeftButton; ///< The button pressed; on a move, the buttons held (MouseButton, or'ed).
    int shift = 0; ///< Shift 1, Ctrl 2, Alt 4, or'ed.
    float x = 0; ///< Position in the control's own pixels.
    float y = 0; ///< Position in the control's own pixels.
};

/// Raised when a control or a control array element is looked up and missing.
class NORVOUITOKA_EXPORT NoSuchControl : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

/// The retained model of one standard control. Positions and sizes are pixels
/// relative to the container. Setters store and notify only on a real change.
/// Children are kept in z-order, bottom first; a child is owned by its parent.
class NORVOUITOKA_EXPORT Control {
public:
    /// The index of a control that is no element of a control array.
    static constexpr int NoIndex = -1;

    /// A visible, enabled control of the given kind at 0, 0 with no size,
    /// named as code finds it; an element of a control array has an index.
    Control(ControlKind kind, std::string name, int index = NoIndex);
    /// Destroys the children with it.
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    /// What kind of control this is.
    ControlKind kind() const { return kind_; }
    /// Labels and shapes have no window of their own: they are painted on
    /// their container, beneath every windowed sibling.
    bool windowless() const { return kind_ == ControlKind::Label || kind_ == ControlKind::Shape; }
    /// The name code finds it by; shared by the elements of an array.
    const std::string& name() const { return name_; }
    /// The element's index in its control array, or NoIndex.
    int index() const { return index_; }
    /// "RoomStatus(2)" for an array element, "Label2" otherwise.
    std::string reference() const;

    /// The container, or nullptr at the root.
    Control* parent() const { return parent_; }
    /// The controls it contains, bottom of the z-order first.
    const std::vector<std::unique_ptr<Control>>& children() const { return children_; }
    /// The outermost container (the form), or this control at the root.
    Control& root();

    /// Takes the child on top of the z-order and returns it as given.
    template <class T> T& addChild(std::unique_ptr<T> child)
    {
        T& ref = *child;
        adopt(std::move(child));
        return ref;
    }

    /// The descendant of that name and index (depth first, this control
    /// excluded), or nullptr.
    Control* find(std::string_view name, int index = NoIndex);
    /// \overload
    const Control* find(std::string_view name, int index = NoIndex) const;
    /// The descendant of that name and index; throws NoSuchControl when
    /// there is none (`form.at("RoomStatus", 2).click()`).
    Control& at(std::string_view name, int index = NoIndex);
    /// As at(), as the control class it is; throws NoSuchControl for a
    /// control of another kind.
    template <class T> T& get(std::string_view name, int index = NoIndex)
    {
        auto* typed = dynamic_cast<T*>(&at(name, index));
        if (!typed)
            throw NoSuchControl(describe(name, index) + " is not of the requested kind");
        return *typed;
    }
    /// Every descendant with that name, in index order (a control array).
    std::vector<Control*> array(std::string_view name);

    ///@{
    /// Whether the control shows (Visible); a hidden container hides its
    /// children too (shownOnScreen()).
    bool visible() const { return visible_; }
    void setVisible(bool value) { assign(visible_, value, Property::Visible); }
    ///@}
    ///@{
    /// Whether the control takes input (Enabled).
    bool enabled() const { return enabled_; }
    void setEnabled(bool value);
    ///@}
    ///@{
    /// Position in the container's pixels (Left, Top).
    std::int32_t left() const { return left_; }
    std::int32_t top() const { return top_; }
    void setLeft(std::int32_t value);
    void setTop(std::int32_t value);
    ///@}
    ///@{
    /// Size in pixels (Width, Height); a real change runs the control's resize
    /// handling once, also when both change through setSize() or
    /// setGeometry().
    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    void setWidth(std::int32_t value);
    void setHeight(std::int32_t value);
    void setSize(std::int32_t width, std::int32_t height);
    void setGeometry(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
    ///@}
    ///@{
    /// The tooltip the code sets (ToolTipText); see hint().
    const std::string& toolTipText() const { return toolTipText_; }
    void setToolTipText(std::string_view value) { assign(toolTipText_, value, Property::ToolTipText); }
    ///@}
    ///@{
    /// The fill colour (BackColor).
    Colour backColor() const { return backColor_; }
    void setBackColor(Colour value) { assign(backColor_, value, Property::BackColor); }
    ///@}
    ///@{
    /// The text colour (ForeColor); the system's window text colour at first.
    Colour foreColor() const { return foreColor_; }
    void setForeColor(Colour value);
    ///@}
    ///@{
    /// The mouse pointer over the control: 0 default arrow, 99 custom (the
    /// skinned labels' hand).
    std::int32_t mousePointer() const { return mousePointer_; }
    void setMousePointer(std::int32_t value);
    ///@}
    ///@{
    /// Position in the form's tab order; -1 when the control takes no part.
    std::int32_t tabIndex() const { return tabIndex_; }
    void setTabIndex(std::int32_t value);
    ///@}
    /// Whether the control can hold the keyboard focus at all (picture boxes,
    /// combo boxes, skinned labels), and whether Tab stops at it; one that
    /// can but is no tab stop takes the focus when clicked.
    bool canTakeFocus() const;
    ///@{
    /// Whether Tab stops at the control (TabStop), when it can take the focus.
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool value);
    ///@}

    ///@{
    /// Shown as the tooltip while ToolTipText is empty.
    const std::string& hint() const { return hint_; }
    void setHint(std::string_view value);
    ///@}
    /// The tooltip a user sees: ToolTipText, or the hint without one.
    const std::string& shownToolTip() const { return toolTipText_.empty() ? hint_ : toolTipText_; }

    /// What assistive technology is told: what the control is, its name
    /// (unique on its form), its state in words, and for a toggle whether it
    /// is on. A new control has the role of its kind and no name.
    ///@{
    AccessibleRole accessibleRole() const { return accessibleRole_; }
    void setAccessibleRole(AccessibleRole value);
    const std::string& accessibleName() const { return accessibleName_; }
    void setAccessibleName(std::string_view value);
    const std::string& accessibleDescription() const { return accessibleDescription_; }
    void setAccessibleDescription(std::string_view value)
    {
        assign(accessibleDescription_, value, Property::AccessibleDescription);
    }
    CheckState checkState() const { return checkState_; }
    void setCheckState(CheckState value) { assign(checkState_, value, Property::CheckState); }
    ///@}

    /// Whether the control and all its containers are visible.
    bool shownOnScreen() const;

    /// Tells the observer of every real change to this control or to any
    /// control inside it; one observer is added once.
    void addObserver(ControlObserver* observer);
    /// Stops telling the observer, also while changes are being told.
    void removeObserver(ControlObserver* observer);

    /// Input as the platform delivers it. The owner of the control routes it by
    /// setting the matching handler; a control without one ignores the input.
    ///@{
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void(const MouseEvent&)> onMouseDown;
    std::function<void(const MouseEvent&)> onMouseMove;
    /// The handler may change the character or set it to 0 to swallow it.
    std::function<void(std::int16_t& keyAscii)> onKeyPress;
    ///@}

    ///@{
    /// Delivers the input to its handler, as the platform (or a test) does:
    /// a click, a double click, a mouse press or move, a typed character
    /// (ASCII code; the handler may change it).
    void click();
    void dblClick();
    void mouseDown(const MouseEvent& event);
    void mouseMove(const MouseEvent& event);
    void keyPress(std::int16_t& keyAscii);
    ///@}

protected:
    /// Announces a real change to this control's own hook, then to the
    /// observers of this control and of each of its containers.
    void changed(Property property);
    /// For subclasses that react to their own changes (a timer re-arms).
    virtual void propertyChanged(Property) { }
    /// Runs once after the width or height changed.
    virtual void resized() { }

    /// Stores a new value and announces it; false when the value was there.
    template <class T, class Value> bool assign(T& field, const Value& value, Property property)
    {
        if (field == value)
            return false;
        field = value;
        changed(property);
        return true;
    }

private:
    void adopt(std::unique_ptr<Control> child);
    void tellObservers(Control& source, Property property);
    std::string describe(std::string_view name, int index) const;

    const ControlKind kind_;
    const std::string name_;
    const int index_;
    Control* parent_ = nullptr;
    std::vector<std::unique_ptr<Control>> children_;
    std::vector<ControlObserver*> observers_;
    /// Nesting depth of tellObservers on this control.
    int notifying_ = 0;

    bool visible_ = true;
    bool enabled_ = true;
    std::int32_t left_ = 0;
    std::int32_t top_ = 0;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::string toolTipText_;
    Colour backColor_ = 0;
    Colour foreColor_ = SystemWindowText;
    std::int32_t mousePointer_ = 0;
    std::int32_t tabIndex_ = -1;
    bool tabStop_ = true;
    std::string hint_;
    AccessibleRole accessibleRole_;
    std::string accessibleName_;
    std::string accessibleDescription_;
    CheckState checkState_ = CheckState::NotCheckable;
};

} // namespace norvo
