#include "labels/UserLabel.h"

#include "labels/PropertyBag.h"
#include "platform/ScopedValue.h"
#include "skin/Skin.h"

#include <stdexcept>

namespace norvo {

namespace {

constexpr std::int32_t CustomPointer = 99;
constexpr std::int32_t DefaultPointer = 0;

} // namespace

UserLabel::UserLabel(std::string name, int index, Clock& clock)
    : UserLabel(ControlKind::UserLabel, std::move(name), index, clock, 544, 50)
{
}

UserLabel::UserLabel(
    ControlKind kind, std::string name, int index, Clock& clock, std::int32_t designWidth, std::int32_t designHeight)
    : Control(kind, std::move(name), index)
{
    // The design-time layout is in place before any handler may run.
    {
        const ScopedValue resizing(inResize_, true);
        setSize(designWidth, designHeight);
    }
    setBackColor(DesignBackColor);
    setMousePointer(CustomPointer);

    shpCaption_ = &addChild(std::make_unique<Shape>("shpCaption"));
    shpCaption_->setGeometry(0, 0, designWidth, designHeight);
    shpCaption_->setBackColor(0xFFFFFF);
    shpCaption_->setBorderColor(0x8000);
    shpCaption_->setFillColor(0x000000);

    lblCaption_ = &addChild(std::make_unique<Label>("lblCaption"));
    lblCaption_->setGeometry(0, 0, designWidth, designHeight);
    lblCaption_->setTransparent(true);
    lblCaption_->setAlignment(Alignment::Center);
    lblCaption_->setCaption("-");
    lblCaption_->setForeColor(0xFF);
    lblCaption_->setFont(Font{"Arial", 8.25, false});
    lblCaption_->setToolTipText("ok");
    lblCaption_->setMousePointer(CustomPointer);
    // The caption is part of the label, not an item of its own.
    lblCaption_->setAccessibleRole(AccessibleRole::None);

    blinkTimer_ = &addChild(std::make_unique<Timer>("BlinkTimer", clock));
    blinkTimer_->onTimer = [this] { BlinkTimer_Timer(); };

    lblCaption_->onClick = [this] { Click(); };
    lblCaption_->onDblClick = [this] { DblClick(); };
    onClick = [this] { Click(); };
    // The body reports a double-click as a second click.
    onDblClick = [this] { Click(); };
    lblCaption_->onMouseMove = [this](const MouseEvent&) { hoverFlash(); };
    onMouseMove = [this](const MouseEvent&) { hoverFlash(); };
}

UserLabel::~UserLabel() = default;

void UserLabel::BlinkStop()
{
    if (blinkRemaining_ <= 0)
        return;
    Status(savedStatus_);
    blinkTimer_->setEnabled(false);
    blinkRemaining_ = 0;
}

void UserLabel::Blink(std::int32_t blinkStatus, std::int32_t blinkLoop)
{
    // A loop below 1 would leave the control stuck in a blink nothing ends.
    if (blinkLoop < 1)
        throw std::invalid_argument("Blink needs a loop count of at least 1, not " + std::to_string(blinkLoop));
    if (blinkRemaining_ != 0)
        return;
    blinkStatus_ = blinkStatus;
    savedStatus_ = status_;
    blinkRemaining_ = blinkLoop;
    blinkTimer_->setInterval(BlinkInterval);
    Status(blinkStatus_);
    blinkTimer_->setEnabled(true);
}

void UserLabel::BlinkTimer_Timer()
{
    --blinkRemaining_;
    if (blinkRemaining_ <= 0) {
        Status(savedStatus_);
        blinkTimer_->setEnabled(false);
    } else if (blinkRemaining_ % 2 == 0) {
        Status(blinkStatus_);
    } else {
        Status(savedStatus_);
    }
}

void UserLabel::hoverFlash()
{
    if (style_ != 4 && style_ != 8)
        return;
    if (status_ == 0)
        Blink(1, 2);
    else if (status_ == 1)
        Blink(0, 2);
}

void UserLabel::FontEx(const std::string& value)
{
    fontEx_ = value;
    struct Layout {
        std::int32_t top;
        std::int32_t left;
        const char* font;
        double size;
    };
    Layout layout{-1, 0, "Arial", 8};
    if (value == "Left")
        layout = {-1, 2, "Marlett", 10};
    else if (value == "Right")
        layout = {-1, 1, "Marlett", 10};
    else if (value == "Close")
        layout = {2, 1, "Marlett", 7};
    lblCaption_->setTop(layout.top);
    lblCaption_->setLeft(layout.left);
    lblCaption_->setFontName(layout.font);
    lblCaption_->setFontSize(layout.size);
}

void UserLabel::Style(std::int32_t value)
{
    style_ = value;
    RefreshStyle();
}

void UserLabel::HandCursor(bool value)
{
    handCursor_ = value;
    const std::int32_t pointer = value ? CustomPointer : DefaultPointer;
    ignoringErrors([&] { lblCaption_->setMousePointer(pointer); });
    ignoringErrors([&] { setMousePointer(pointer); });
}

void UserLabel::Enabled(bool value)
{
    enabledField_ = value;
    lblCaption_->setEnabled(value);
    setEnabled(value);
}

const std::string& UserLabel::ToolTipTextEx() const { return lblCaption_->toolTipText(); }
void UserLabel::ToolTipTextEx(const std::string& value) { lblCaption_->setToolTipText(value); }

const std::string& UserLabel::Caption() const { return lblCaption_->caption(); }
void UserLabel::Caption(const std::string& value) { lblCaption_->setCaption(value); }

void UserLabel::showStatusColours()
{
    if (status_ >= 7)
        return;
    Skin::LoadSkinColours();
    const auto first = static_cast<std::size_t>(3 * status_);
    lblCaption_->setForeColor(Skin::SkinColours[first]);
    shpCaption_->setFillColor(Skin::SkinColours[first + 1]);
    shpCaption_->setBorderColor(Skin::SkinColours[first + 2]);
}

void UserLabel::RefreshStyle()
{
    if (style_ != 0)
        return;
    showColourLook();
}

void UserLabel::showColourLook()
{
    shpCaption_->setVisible(true);
    lblCaption_->setVisible(true);
    if (lblCaption_->caption().empty())
        lblCaption_->setCaption(lblCaption_->tag());
    RefreshStatus();
}

void UserLabel::resized()
{
    if (inResize_)
        return;
    const ScopedValue resizing(inResize_, true);
    resizeChildren();
}

void UserLabel::resizeChildren()
{
    ignoringErrors([this] { lblCaption_->setSize(width(), height()); });
    ignoringErrors([this] { shpCaption_->setSize(width(), height()); });
}

void UserLabel::ReadProperties(const PropertyBag& bag)
{
    lblCaption_->setCaption(toText(bag.ReadProperty("Caption", std::string{})));
    Status(toLong(bag.ReadProperty("Status", std::int32_t{0})));
    Style(toLong(bag.ReadProperty("Style", std::int32_t{0})));
    ToolTipTextEx(toText(bag.ReadProperty("ToolTipTextEx", std::string{})));
    FontEx(toText(bag.ReadProperty("FontEx", std::string{})));
    HandCursor(toBoolean(bag.ReadProperty("HandCursor", true)));
}

void UserLabel::WriteProperties(PropertyBag& bag) const
{
    bag.WriteProperty("Caption", lblCaption_->caption(), std::string{});
    bag.WriteProperty("Status", status_, std::int32_t{0});
    bag.WriteProperty("Style", style_, std::int32_t{0});
    bag.WriteProperty("ToolTipTextEx", lblCaption_->toolTipText(), std::string{});
    bag.WriteProperty("FontEx", fontEx_, std::string{});
    bag.WriteProperty("HandCursor", handCursor_, true);
}

} // namespace norvo
