#pragma once

#include "ScriptCommand.h"

#include <string>
#include <string_view>
#include <vector>

namespace norvo::replay {

enum class ArgumentKind {
    Integer,
    String,
    Boolean,
    Member, // a voice-client or dock-frame member name (fail)
    VoiceMember, // a voice-client member name (during)
    Event, // an event and its arguments, as `event` takes them: the rest of the line
    LabelClass, // UserLabel or UserLabelGraph
    Name, // a new control's name
    Control, // a control reference
    FocusTarget, // a control reference or none
    Property, // a property reference
    Method, // a control reference and a method
    Value, // any literal (set)
    Item, // a print item
    Path, // a file name: a string or a bare word
    Key, // a key name (Tab, Return, ...) or one character in quotes
};

struct Parameter {
    std::string_view name;
    ArgumentKind kind;
    bool optional = false;
    bool repeated = false; // one or more
};

struct CommandSyntax {
    std::string_view name; // "tick", or a group and its member: "host Sizing"
    CommandId id;
    CommandSection section;
    std::vector<Parameter> parameters;

    // "usage: long HANDLE INDEX VALUE"
    std::string usage() const;
};

// Every command a script knows, with its arguments.
class CommandTable {
public:
    static const std::vector<CommandSyntax>& all();
    // The command of that name ("tick", "host Sizing"); nullptr when none.
    static const CommandSyntax* find(std::string_view name);
    // The members of a group ("event", "host"); empty when the word is none.
    static std::vector<std::string_view> groupMembers(std::string_view group);
};

} // namespace norvo::replay
