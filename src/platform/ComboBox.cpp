#include "platform/ComboBox.h"

#include <algorithm>
#include <stdexcept>

namespace norvo {

ComboBox::ComboBox(std::string name, int index)
    : Control(ControlKind::ComboBox, std::move(name), index)
    , items_(std::make_shared<const std::vector<std::string>>())
{
}

std::int32_t ComboBox::textLength() const
{
    // Characters, not bytes: count the UTF-8 lead bytes.
    return static_cast<std::int32_t>(std::count_if(
        text_.begin(), text_.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void ComboBox::setText(const std::string& value)
{
    if (text_ == value)
        return;
    text_ = value;
    changed(Property::Text);
    // A new text keeps the caret inside it.
    const std::int32_t length = textLength();
    const std::int32_t start = std::min(selStart_, length);
    const std::int32_t selected = std::min(selLength_, length - start);
    if (start != selStart_ || selected != selLength_) {
        selStart_ = start;
        selLength_ = selected;
        changed(Property::Selection);
    }
}

void ComboBox::checkPosition(std::int32_t position, std::int32_t limit, const char* what) const
{
    if (position < 0 || position > limit)
        throw std::out_of_range(
            std::string("invalid ") + what + " " + std::to_string(position) + " for " + reference());
}

void ComboBox::setSelStart(std::int32_t value)
{
    checkPosition(value, textLength(), "SelStart");
    if (selStart_ == value)
        return;
    selStart_ = value;
    // Like the platform's combo box: moving the caret collapses a selection
    // that would reach past the end.
    selLength_ = std::min(selLength_, textLength() - value);
    changed(Property::Selection);
}

void ComboBox::setSelLength(std::int32_t value)
{
    checkPosition(value, textLength() - selStart_, "SelLength");
    assign(selLength_, value, Property::Selection);
}

const std::string& ComboBox::list(std::int32_t position) const
{
    checkPosition(position, listCount() - 1, "list position");
    return (*items_)[static_cast<std::size_t>(position)];
}

void ComboBox::setItems(const std::vector<std::string>& items)
{
    if (*items_ != items)
        shareItems(std::make_shared<const std::vector<std::string>>(items));
}

void ComboBox::shareItems(std::shared_ptr<const std::vector<std::string>> items)
{
    if (!items)
        throw std::invalid_argument("no list for " + reference());
    const bool same = items == items_ || *items == *items_;
    // The same items as shared ones all the same: the box keeps no copy.
    items_ = std::move(items);
    if (!same)
        changed(Property::List);
}

void ComboBox::setFont(const Font& value) { assign(font_, value, Property::Font); }

} // namespace norvo
