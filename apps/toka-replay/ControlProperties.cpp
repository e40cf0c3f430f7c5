#include "ControlProperties.h"

#include "ScriptError.h"

#include "labels/UserLabelGraph.h"
#include "platform/ComboBox.h"
#include "platform/Label.h"
#include "platform/Shape.h"
#include "platform/Timer.h"

#include <vector>

namespace norvo::replay {

namespace {

using Type = PropertyAccess::Type;

bool isSkinned(ControlKind kind) { return kind == ControlKind::UserLabel || kind == ControlKind::UserLabelGraph; }

std::function<bool(ControlKind)> only(ControlKind wanted)
{
    return [wanted](ControlKind kind) { return kind == wanted; };
}

bool any(ControlKind) { return true; }

std::int32_t integer(const Literal& value) { return std::get<std::int32_t>(value.value); }
Colour colour(const Literal& value) { return static_cast<Colour>(std::get<std::int32_t>(value.value)); }
bool boolean(const Literal& value) { return std::get<bool>(value.value); }
const std::string& text(const Literal& value) { return std::get<std::string>(value.value); }

double fontSize(const Literal& value)
{
    if (const auto* whole = std::get_if<std::int32_t>(&value.value))
        return *whole;
    return std::get<double>(value.value);
}

template <class T> const T& as(const Control& control) { return static_cast<const T&>(control); }

template <class T> T& as(Control& control) { return static_cast<T&>(control); }

std::int32_t alignmentCode(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Left: return 0;
    case Alignment::Right: return 1;
    case Alignment::Center: return 2;
    }
    return 0;
}

// Specific entries come first: the first entry of a name that applies wins.
std::vector<PropertyAccess> makeTable()
{
    using K = ControlKind;
    const auto skinned = [](ControlKind kind) { return isSkinned(kind); };
    return {
        // Skinned labels: their own members.
        {"Caption", skinned, Type::Text, [](const Control& c) -> ScriptValue { return as<UserLabel>(c).Caption(); },
            [](Control& c, const Literal& v) { as<UserLabel>(c).Caption(text(v)); }},
        {"Status", skinned, Type::Integer, [](const Control& c) -> ScriptValue { return as<UserLabel>(c).Status(); },
            [](Control& c, const Literal& v) { as<UserLabel>(c).Status(integer(v)); }},
        {"Style", skinned, Type::Integer, [](const Control& c) -> ScriptValue { return as<UserLabel>(c).Style(); },
            [](Control& c, const Literal& v) { as<UserLabel>(c).Style(integer(v)); }},
        {"ToolTipTextEx", skinned, Type::Text,
            [](const Control& c) -> ScriptValue { return as<UserLabel>(c).ToolTipTextEx(); },
            [](Control& c, const Literal& v) { as<UserLabel>(c).ToolTipTextEx(text(v)); }},
        {"FontEx", skinned, Type::Text, [](const Control& c) -> ScriptValue { return as<UserLabel>(c).FontEx(); },
            [](Control& c, const Literal& v) { as<UserLabel>(c).FontEx(text(v)); }},
        {"HandCursor", skinned, Type::Boolean,
            [](const Control& c) -> ScriptValue { return as<UserLabel>(c).HandCursor(); },
            [](Control& c, const Literal& v) { as<UserLabel>(c).HandCursor(boolean(v)); }},
        {"Enabled", skinned, Type::Boolean, [](const Control& c) -> ScriptValue { return as<UserLabel>(c).Enabled(); },
            [](Control& c, const Literal& v) { as<UserLabel>(c).Enabled(boolean(v)); }},
        {"SpriteRect", only(K::UserLabelGraph), Type::ReadOnly,
            [](const Control& c) -> ScriptValue { return as<UserLabelGraph>(c).SpriteRect(); }, nullptr},

        // Labels.
        {"Caption", only(K::Label), Type::Text, [](const Control& c) -> ScriptValue { return as<Label>(c).caption(); },
            [](Control& c, const Literal& v) { as<Label>(c).setCaption(text(v)); }},
        {"Tag", only(K::Label), Type::Text, [](const Control& c) -> ScriptValue { return as<Label>(c).tag(); },
            [](Control& c, const Literal& v) { as<Label>(c).setTag(text(v)); }},
        {"FontName", only(K::Label), Type::Text,
            [](const Control& c) -> ScriptValue { return as<Label>(c).font().name; },
            [](Control& c, const Literal& v) { as<Label>(c).setFontName(text(v)); }},
        {"FontSize", only(K::Label), Type::FontSize,
            [](const Control& c) -> ScriptValue { return FontSizeValue{as<Label>(c).font().size}; },
            [](Control& c, const Literal& v) { as<Label>(c).setFontSize(fontSize(v)); }},
        {"FontBold", only(K::Label), Type::ReadOnly,
            [](const Control& c) -> ScriptValue { return as<Label>(c).font().bold; }, nullptr},
        {"Alignment", only(K::Label), Type::ReadOnly,
            [](const Control& c) -> ScriptValue { return alignmentCode(as<Label>(c).alignment()); }, nullptr},
        {"BackStyle", only(K::Label), Type::ReadOnly,
            [](const Control& c) -> ScriptValue { return std::int32_t{as<Label>(c).transparent() ? 0 : 1}; }, nullptr},

        // Combo boxes.
        {"Text", only(K::ComboBox), Type::Text, [](const Control& c) -> ScriptValue { return as<ComboBox>(c).text(); },
            [](Control& c, const Literal& v) { as<ComboBox>(c).setText(text(v)); }},
        {"SelStart", only(K::ComboBox), Type::Integer,
            [](const Control& c) -> ScriptValue { return as<ComboBox>(c).selStart(); },
            [](Control& c, const Literal& v) { as<ComboBox>(c).setSelStart(integer(v)); }},
        {"SelLength", only(K::ComboBox), Type::Integer,
            [](const Control& c) -> ScriptValue { return as<ComboBox>(c).selLength(); },
            [](Control& c, const Literal& v) { as<ComboBox>(c).setSelLength(integer(v)); }},
        {"ListCount", only(K::ComboBox), Type::ReadOnly,
            [](const Control& c) -> ScriptValue { return as<ComboBox>(c).listCount(); }, nullptr},
        {"List", only(K::ComboBox), Type::ReadOnly,
            [](const Control& c) -> ScriptValue { return as<ComboBox>(c).items(); }, nullptr},
        {"FontName", only(K::ComboBox), Type::Text,
            [](const Control& c) -> ScriptValue { return as<ComboBox>(c).font().name; },
            [](Control& c, const Literal& v) {
                Font font = as<ComboBox>(c).font();
                font.name = text(v);
                as<ComboBox>(c).setFont(font);
            }},
        {"FontSize", only(K::ComboBox), Type::FontSize,
            [](const Control& c) -> ScriptValue { return FontSizeValue{as<ComboBox>(c).font().size}; },
            [](Control& c, const Literal& v) {
                Font font = as<ComboBox>(c).font();
                font.size = fontSize(v);
                as<ComboBox>(c).setFont(font);
            }},

        // Shapes and timers.
        {"FillColor", only(K::Shape), Type::Colour,
            [](const Control& c) -> ScriptValue { return ColourValue{as<Shape>(c).fillColor()}; },
            [](Control& c, const Literal& v) { as<Shape>(c).setFillColor(colour(v)); }},
        {"BorderColor", only(K::Shape), Type::Colour,
            [](const Control& c) -> ScriptValue { return ColourValue{as<Shape>(c).borderColor()}; },
            [](Control& c, const Literal& v) { as<Shape>(c).setBorderColor(colour(v)); }},
        {"Interval", only(K::Timer), Type::Integer,
            [](const Control& c) -> ScriptValue { return as<Timer>(c).interval(); },
            [](Control& c, const Literal& v) { as<Timer>(c).setInterval(integer(v)); }},

        // Every control.
        {"Visible", any, Type::Boolean, [](const Control& c) -> ScriptValue { return c.visible(); },
            [](Control& c, const Literal& v) { c.setVisible(boolean(v)); }},
        {"Enabled", any, Type::Boolean, [](const Control& c) -> ScriptValue { return c.enabled(); },
            [](Control& c, const Literal& v) { c.setEnabled(boolean(v)); }},
        {"Left", any, Type::Integer, [](const Control& c) -> ScriptValue { return c.left(); },
            [](Control& c, const Literal& v) { c.setLeft(integer(v)); }},
        {"Top", any, Type::Integer, [](const Control& c) -> ScriptValue { return c.top(); },
            [](Control& c, const Literal& v) { c.setTop(integer(v)); }},
        {"Width", any, Type::Integer, [](const Control& c) -> ScriptValue { return c.width(); },
            [](Control& c, const Literal& v) { c.setWidth(integer(v)); }},
        {"Height", any, Type::Integer, [](const Control& c) -> ScriptValue { return c.height(); },
            [](Control& c, const Literal& v) { c.setHeight(integer(v)); }},
        {"ToolTipText", any, Type::Text, [](const Control& c) -> ScriptValue { return c.toolTipText(); },
            [](Control& c, const Literal& v) { c.setToolTipText(text(v)); }},
        {"BackColor", any, Type::Colour, [](const Control& c) -> ScriptValue { return ColourValue{c.backColor()}; },
            [](Control& c, const Literal& v) { c.setBackColor(colour(v)); }},
        {"ForeColor", any, Type::Colour, [](const Control& c) -> ScriptValue { return ColourValue{c.foreColor()}; },
            [](Control& c, const Literal& v) { c.setForeColor(colour(v)); }},
        {"MousePointer", any, Type::Integer, [](const Control& c) -> ScriptValue { return c.mousePointer(); },
            [](Control& c, const Literal& v) { c.setMousePointer(integer(v)); }},
        {"TabIndex", any, Type::ReadOnly, [](const Control& c) -> ScriptValue { return c.tabIndex(); }, nullptr},
    };
}

const char* typeName(Type type)
{
    switch (type) {
    case Type::Integer: return "an integer";
    case Type::Colour: return "a colour (an integer such as &H00C000)";
    case Type::Boolean: return "True or False";
    case Type::Text: return "a string";
    case Type::FontSize: return "a number";
    case Type::ReadOnly: break;
    }
    return "nothing";
}

bool fits(Type type, const Literal& value)
{
    switch (type) {
    case Type::Integer:
    case Type::Colour: return std::holds_alternative<std::int32_t>(value.value);
    case Type::Boolean: return std::holds_alternative<bool>(value.value);
    case Type::Text: return std::holds_alternative<std::string>(value.value);
    case Type::FontSize:
        return std::holds_alternative<std::int32_t>(value.value) || std::holds_alternative<double>(value.value);
    case Type::ReadOnly: break;
    }
    return false;
}

} // namespace

void PropertyAccess::checkSettable(const Literal& value) const
{
    if (type == Type::ReadOnly)
        throw ScriptError(std::string(name) + " cannot be set");
    if (!fits(type, value))
        throw ScriptError(std::string(name) + " takes " + typeName(type) + ", not " + value.shown);
}

const PropertyAccess& ControlProperties::find(const Control& control, std::string_view name)
{
    static const std::vector<PropertyAccess> table = makeTable();
    for (const PropertyAccess& access : table)
        if (access.name == name && access.appliesTo(control.kind()))
            return access;
    throw ScriptError(std::string(controlKindName(control.kind())) + " " + control.reference() + " has no property "
        + std::string(name));
}

} // namespace norvo::replay
