#include "platform/Label.h"

namespace norvo {

Label::Label(std::string name, int index)
    : Control(ControlKind::Label, std::move(name), index)
{
}

void Label::setTag(const std::string& value) { assign(tag_, value, Property::Tag); }
void Label::setFont(const Font& value) { assign(font_, value, Property::Font); }

void Label::setFontName(const std::string& value)
{
    Font font = font_;
    font.name = value;
    setFont(font);
}

void Label::setFontSize(double value)
{
    Font font = font_;
    font.size = value;
    setFont(font);
}

void Label::setTransparent(bool value) { assign(transparent_, value, Property::Transparent); }
void Label::setAlignment(Alignment value) { assign(alignment_, value, Property::Alignment); }

} // namespace norvo
