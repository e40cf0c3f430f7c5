#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/platform/Clock.h>
#include <NorvoUITOKA/platform/Control.h>
#include <NorvoUITOKA/platform/Label.h>
#include <NorvoUITOKA/platform/Shape.h>
#include <NorvoUITOKA/platform/Signal.h>
#include <NorvoUITOKA/platform/Timer.h>

#include <cstdint>
#include <exception>
#include <string>

namespace norvo {

class PropertyBag;

/// A skinned caption box used as a label or a button: its Status picks one of
/// the Skin colour triples (caption, fill, border); it can blink to another
/// status, show glyph fonts, a hand pointer, and reports Click and DblClick.
/// Children: shpCaption (shape), lblCaption (caption, tooltip, most mouse
/// input), BlinkTimer.
class NORVOUITOKA_EXPORT UserLabel : public Control {
public:
    /// The length of each phase of a blink, in milliseconds.
    static constexpr std::int32_t BlinkInterval = 300;
    /// The control's own background, hidden under its shape.
    static constexpr Colour DesignBackColor = 0xC0FFC0;

    /// A new instance at its creation values (before stored properties load).
    UserLabel(std::string name, int index, Clock& clock);
    ~UserLabel() override;

    /// Ends a running blink at once, back on the status it started from;
    /// does nothing while none runs.
    void BlinkStop();
    /// Shows blinkStatus at once and alternates with the current status every
    /// BlinkInterval ms until blinkLoop ticks have run; ignored while a blink
    /// runs. A blinkLoop below 1 is rejected (std::invalid_argument).
    void Blink(std::int32_t blinkStatus, std::int32_t blinkLoop);
    ///@{
    /// The caption's glyph font: "Left", "Right" and "Close" give the symbol
    /// font's arrows and cross, placed for them; any other text the plain
    /// caption font. The caption itself is left as it is.
    const std::string& FontEx() const { return fontEx_; }
    void FontEx(const std::string& value);
    ///@}
    ///@{
    /// The look: 0 the colour look chosen by Status; any other value a
    /// picture style, which a UserLabel leaves undrawn (UserLabelGraph draws
    /// it). Setting it refreshes the look.
    std::int32_t Style() const { return style_; }
    void Style(std::int32_t value);
    ///@}
    ///@{
    /// Whether the mouse pointer over the control is the hand (99) or the
    /// default arrow (0).
    bool HandCursor() const { return handCursor_; }
    void HandCursor(bool value);
    ///@}
    ///@{
    /// Enables or disables the control and its caption; reads the last value
    /// given to the setter (False before), not whether the control is
    /// enabled.
    bool Enabled() const { return enabledField_; }
    void Enabled(bool value);
    ///@}
    ///@{
    /// The tooltip, which the caption carries.
    const std::string& ToolTipTextEx() const;
    void ToolTipTextEx(const std::string& value);
    ///@}
    /// The colour triple (0 to 6) the colour look shows; 7 and more leave
    /// the colours as they are.
    std::int32_t Status() const { return status_; }
    /// Sets the status and refreshes the look; a negative value is ignored.
    void Status(std::int32_t value)
    {
        if (value < 0)
            return;
        status_ = value;
        RefreshStatus();
    }
    ///@{
    /// The caption text, which the caption child shows.
    const std::string& Caption() const;
    void Caption(const std::string& value);
    ///@}

    /// The user clicked the control (or its caption).
    Signal<> Click;
    /// The user double-clicked the control (or its caption).
    Signal<> DblClick;

    ///@{
    /// Reads or writes the stored properties (Caption, Status, Style,
    /// ToolTipTextEx, FontEx, HandCursor) in the container's property store.
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;
    ///@}

    /// Timer ticks the running blink has still to run; 0 when none runs.
    std::int32_t BlinkRemaining() const { return blinkRemaining_; }
    /// True while the resize handler runs.
    bool InResize() const { return inResize_; }

    ///@{
    /// The children: the caption (text, tooltip, most mouse input), the
    /// shape under it (fill and border), and the timer of the blink.
    Label& lblCaption() { return *lblCaption_; }
    const Label& lblCaption() const { return *lblCaption_; }
    Shape& shpCaption() { return *shpCaption_; }
    const Shape& shpCaption() const { return *shpCaption_; }
    Timer& BlinkTimer() { return *blinkTimer_; }
    const Timer& BlinkTimer() const { return *blinkTimer_; }
    ///@}

protected:
    /// For a subclass: its kind and its form's design size.
    UserLabel(ControlKind kind, std::string name, int index, Clock& clock, std::int32_t designWidth,
        std::int32_t designHeight);

    /// Runs one statement whose failure the control ignores (resizing the
    /// children, mouse pointers).
    template <class F> static void ignoringErrors(F&& statement)
    {
        try {
            statement();
        } catch (const std::exception&) {
        }
    }

    /// Re-applies the look for the current status.
    void RefreshStatus()
    {
        if (style_ != 0)
            RefreshStyle();
        else
            showStatusColours();
    }
    /// Re-applies the look chosen by Style.
    virtual void RefreshStyle();
    /// The status's colour triple on caption and shape (the Style 0 look).
    void showStatusColours();
    /// Shape and caption shown, caption back from Tag when empty, colours
    /// re-applied: the Style 0 look.
    void showColourLook();
    /// The resize handler's work inside its guard.
    virtual void resizeChildren();
    void resized() final;

    /// Writes Status without the setter (the picture look reduces it).
    void storeStatus(std::int32_t value) { status_ = value; }

private:
    void BlinkTimer_Timer();
    void hoverFlash();

    Shape* shpCaption_ = nullptr;
    Label* lblCaption_ = nullptr;
    Timer* blinkTimer_ = nullptr;

    std::int32_t status_ = 0;
    std::int32_t style_ = 0;
    bool inResize_ = false;
    std::int32_t blinkStatus_ = 0;
    std::int32_t savedStatus_ = 0;
    std::int32_t blinkRemaining_ = 0;
    std::string fontEx_;
    bool enabledField_ = false;
    bool handCursor_ = false;
};

} // namespace norvo
