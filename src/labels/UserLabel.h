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

// A skinned caption box used as a label or a button: its Status picks one of
// the Skin colour triples (caption, fill, border); it can blink to another
// status, show glyph fonts, a hand pointer, and reports Click and DblClick.
// Children: shpCaption (shape), lblCaption (caption, tooltip, most mouse
// input), BlinkTimer.
class NORVOUITOKA_EXPORT UserLabel : public Control {
public:
    static constexpr std::int32_t BlinkInterval = 300;
    static constexpr Colour DesignBackColor = 0xC0FFC0;

    // A new instance at its creation values (before stored properties load).
    UserLabel(std::string name, int index, Clock& clock);
    ~UserLabel() override;

    // Public members, get and let.
    void BlinkStop();
    // Shows blinkStatus at once and alternates with the current status every
    // BlinkInterval ms until blinkLoop ticks have run; ignored while a blink
    // runs. A blinkLoop below 1 is rejected (std::invalid_argument).
    void Blink(std::int32_t blinkStatus, std::int32_t blinkLoop);
    const std::string& FontEx() const { return fontEx_; }
    void FontEx(const std::string& value);
    std::int32_t Style() const { return style_; }
    void Style(std::int32_t value);
    bool HandCursor() const { return handCursor_; }
    void HandCursor(bool value);
    // The last value given to the setter (False before), not whether the
    // control is enabled.
    bool Enabled() const { return enabledField_; }
    void Enabled(bool value);
    const std::string& ToolTipTextEx() const;
    void ToolTipTextEx(const std::string& value);
    std::int32_t Status() const { return status_; }
    // Inline, as far as the look's own refresh: a panel sets the status of
    // its buttons on every refresh, mostly to what it is.
    void Status(std::int32_t value)
    {
        if (value < 0)
            return;
        status_ = value;
        RefreshStatus();
    }
    const std::string& Caption() const;
    void Caption(const std::string& value);

    Signal<> Click;
    Signal<> DblClick;

    // Stored properties (the container's property store).
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // Inner state, for those who show or check it.
    std::int32_t BlinkRemaining() const { return blinkRemaining_; }
    bool InResize() const { return inResize_; }

    Label& lblCaption() { return *lblCaption_; }
    const Label& lblCaption() const { return *lblCaption_; }
    Shape& shpCaption() { return *shpCaption_; }
    const Shape& shpCaption() const { return *shpCaption_; }
    Timer& BlinkTimer() { return *blinkTimer_; }
    const Timer& BlinkTimer() const { return *blinkTimer_; }

protected:
    UserLabel(ControlKind kind, std::string name, int index, Clock& clock, std::int32_t designWidth,
        std::int32_t designHeight);

    // Runs one statement whose failure the control ignores (resizing the
    // children, mouse pointers).
    template <class F> static void ignoringErrors(F&& statement)
    {
        try {
            statement();
        } catch (const std::exception&) {
        }
    }

    void RefreshStatus()
    {
        if (style_ != 0)
            RefreshStyle();
        else
            showStatusColours();
    }
    virtual void RefreshStyle();
    // The status's colour triple on caption and shape (the Style 0 look).
    void showStatusColours();
    // Shape and caption shown, caption back from Tag when empty, colours
    // re-applied: the Style 0 look.
    void showColourLook();
    // The resize handler's work inside its guard.
    virtual void resizeChildren();
    void resized() final;

    // Writes Status without the setter (the picture look reduces it).
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
