#pragma once

#include "ScriptCommand.h"
#include "ScriptValue.h"

#include "platform/Control.h"

#include <functional>
#include <string_view>

namespace norvo::replay {

// One property of a kind of control, as scripts read and set it.
struct PropertyAccess {
    enum class Type { Integer, Colour, Boolean, Text, FontSize, ReadOnly };

    std::string_view name;
    std::function<bool(ControlKind)> appliesTo;
    Type type;
    std::function<ScriptValue(const Control&)> get;
    std::function<void(Control&, const Literal&)> set;

    // ScriptError unless the literal fits the property (and it can be set).
    void checkSettable(const Literal& value) const;
};

// The properties scripts can print and set, by kind of control: those every
// control has, and those of labels, combo boxes, shapes, timers and the
// skinned labels (whose Enabled and Caption are the labels' own members).
class ControlProperties {
public:
    // ScriptError when the control has no property of that name.
    static const PropertyAccess& find(const Control& control, std::string_view name);
};

} // namespace norvo::replay
