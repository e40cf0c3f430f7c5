#include "platform/Control.h"

#include "platform/ScopedValue.h"

#include <algorithm>

namespace norvo {

const char* controlKindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Form: return "Form";
    case ControlKind::Frame: return "Frame";
    case ControlKind::PictureBox: return "PictureBox";
    case ControlKind::Label: return "Label";
    case ControlKind::ComboBox: return "ComboBox";
    case ControlKind::Shape: return "Shape";
    case ControlKind::Timer: return "Timer";
    case ControlKind::UserLabel: return "UserLabel";
    case ControlKind::UserLabelGraph: return "UserLabelGraph";
    }
    return "?";
}

namespace {

AccessibleRole roleOfKind(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Frame:
    case ControlKind::Shape:
    case ControlKind::Timer: return AccessibleRole::None;
    case ControlKind::Label: return AccessibleRole::StaticText;
    case ControlKind::ComboBox: return AccessibleRole::ComboBox;
    case ControlKind::Form:
    case ControlKind::PictureBox:
    case ControlKind::UserLabel:
    case ControlKind::UserLabelGraph: break;
    }
    return AccessibleRole::Client;
}

} // namespace

Control::Control(ControlKind kind, std::string name, int index)
    : kind_(kind)
    , name_(std::move(name))
    , index_(index)
    , accessibleRole_(roleOfKind(kind))
{
}

Control::~Control() = default;

std::string Control::reference() const { return describe(name_, index_); }

Control& Control::root()
{
    Control* c = this;
    while (c->parent_)
        c = c->parent_;
    return *c;
}

void Control::adopt(std::unique_ptr<Control> child)
{
    child->parent_ = this;
    children_.push_back(std::move(child));
}

const Control* Control::find(std::string_view name, int index) const
{
    for (const auto& child : children_) {
        if (child->name_ == name && child->index_ == index)
            return child.get();
        if (const Control* found = child->find(name, index))
            return found;
    }
    return nullptr;
}

Control* Control::find(std::string_view name, int index)
{
    return const_cast<Control*>(static_cast<const Control*>(this)->find(name, index));
}

std::string Control::describe(std::string_view name, int index) const
{
    std::string text(name);
    if (index != NoIndex) {
        text.push_back('(');
        text.append(std::to_string(index));
        text.push_back(')');
    }
    return text;
}

Control& Control::at(std::string_view name, int index)
{
    if (Control* found = find(name, index))
        return *found;
    throw NoSuchControl("no control " + describe(name, index) + " in " + reference());
}

std::vector<Control*> Control::array(std::string_view name)
{
    std::vector<Control*> elements;
    std::function<void(Control&)> collect = [&](Control& c) {
        for (const auto& child : c.children_) {
            if (child->name_ == name && child->index_ != NoIndex)
                elements.push_back(child.get());
            collect(*child);
        }
    };
    collect(*this);
    std::sort(
        elements.begin(), elements.end(), [](const Control* a, const Control* b) { return a->index_ < b->index_; });
    return elements;
}

void Control::setEnabled(bool value) { assign(enabled_, value, Property::Enabled); }
void Control::setLeft(std::int32_t value) { assign(left_, value, Property::Left); }
void Control::setTop(std::int32_t value) { assign(top_, value, Property::Top); }

void Control::setWidth(std::int32_t value)
{
    if (assign(width_, value, Property::Width))
        resized();
}

void Control::setHeight(std::int32_t value)
{
    if (assign(height_, value, Property::Height))
        resized();
}

void Control::setSize(std::int32_t width, std::int32_t height)
{
    const bool widthChanged = assign(width_, width, Property::Width);
    const bool heightChanged = assign(height_, height, Property::Height);
    if (widthChanged || heightChanged)
        resized();
}

void Control::setGeometry(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    setLeft(left);
    setTop(top);
    setSize(width, height);
}

void Control::setForeColor(Colour value) { assign(foreColor_, value, Property::ForeColor); }
void Control::setMousePointer(std::int32_t value) { assign(mousePointer_, value, Property::MousePointer); }
void Control::setTabIndex(std::int32_t value) { assign(tabIndex_, value, Property::TabIndex); }
void Control::setTabStop(bool value) { assign(tabStop_, value, Property::TabStop); }
void Control::setHint(std::string_view value) { assign(hint_, value, Property::Hint); }
void Control::setAccessibleRole(AccessibleRole value) { assign(accessibleRole_, value, Property::AccessibleRole); }
void Control::setAccessibleName(std::string_view value) { assign(accessibleName_, value, Property::AccessibleName); }

bool Control::canTakeFocus() const
{
    switch (kind_) {
    case ControlKind::PictureBox:
    case ControlKind::ComboBox:
    case ControlKind::UserLabel:
    case ControlKind::UserLabelGraph: return true;
    default: return false;
    }
}

bool Control::shownOnScreen() const
{
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible_)
            return false;
    return true;
}

void Control::addObserver(ControlObserver* observer)
{
    if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void Control::removeObserver(ControlObserver* observer)
{
    // While observers are told, their list keeps its places: the leaving one
    // is blanked and swept out when the telling is over.
    if (notifying_ > 0)
        std::replace(observers_.begin(), observers_.end(), observer, static_cast<ControlObserver*>(nullptr));
    else
        std::erase(observers_, observer);
}

void Control::changed(Property property)
{
    propertyChanged(property);
    for (Control* c = this; c; c = c->parent_)
        if (!c->observers_.empty())
            c->tellObservers(*this, property);
}

void Control::tellObservers(Control& source, Property property)
{
    {
        const ScopedValue telling(notifying_, notifying_ + 1);
        // By position, without a copy: an observer added meanwhile hears from
        // the next change on, one removed meanwhile hears nothing more.
        const std::size_t count = observers_.size();
        for (std::size_t i = 0; i < count; ++i)
            if (ControlObserver* observer = observers_[i])
                observer->controlChanged(source, property);
    }
    // Observers that left meanwhile were blanked; an observer's error leaves
    // them to the next telling.
    if (notifying_ == 0)
        std::erase(observers_, nullptr);
}

void Control::click()
{
    if (onClick)
        onClick();
}

void Control::dblClick()
{
    if (onDblClick)
        onDblClick();
}

void Control::mouseDown(const MouseEvent& event)
{
    if (onMouseDown)
        onMouseDown(event);
}

void Control::mouseMove(const MouseEvent& event)
{
    if (onMouseMove)
        onMouseMove(event);
}

void Control::keyPress(std::int16_t& keyAscii)
{
    if (onKeyPress)
        onKeyPress(keyAscii);
}

} // namespace norvo
