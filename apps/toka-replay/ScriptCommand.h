#pragma once

#include "voice/VoiceEvent.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace norvo::replay {

enum class CommandId {
    // The outside world
    Pilot,
    NoPilot,
    Object,
    Remove,
    Long,
    Text,
    Fail,
    Hosted,
    Setting,
    Accept,
    During,
    // The panel
    Start,
    Stop,
    HostHostinghWnd,
    HostSizing,
    HostCanDeactivate,
    HostActivated,
    HostHasTitle,
    HostSizeable,
    HostCloseable,
    HostDockframe,
    Resize,
    Focus,
    EventDisconnected,
    EventConnected,
    EventMainPilotUserDeleted,
    EventMainPilotUserChanged,
    EventMainPilotUserCreated,
    EventObjectCreated,
    EventObjectDeleted,
    EventObjectTextChanged,
    EventObjectValueChanged,
    Click,
    DblClick,
    MouseDown,
    MouseMove,
    Type,
    Key,
    Pick,
    Tick,
    Set,
    Invoke,
    NewLabel,
    Size,
    Press,
    // Output
    Print,
    Calls,
    Forget,
    Stored,
    Pixel,
    Snapshot,
};

// Where a command may run: the outside world any time, the panel's commands
// only while it runs, output any time (what it reads must exist).
enum class CommandSection { World, Panel, Output };

// The keys `press` knows by name; any other key is one printable character.
constexpr const char* NamedKeys[] = {"Tab", "Backtab", "Space", "Return", "Escape", "Left", "Right", "Up", "Down"};

// "Name", "Name(Index)", then optionally ".Child" (a skinned label's child).
// TOKA names the panel itself.
struct ControlRef {
    std::string name;
    std::optional<std::int32_t> index;
    std::string child;
    std::string written;
};

// A control reference followed by ".Member": a property or a method.
struct MemberRef {
    ControlRef control;
    std::string member;
    std::string written;
};

struct PrintItem {
    enum class Kind { Field, Focus, Settings, Property };
    Kind kind = Kind::Field;
    std::string written;
    MemberRef property; // Kind::Property only
};

struct FocusNone { };

// A literal given to `set`.
struct Literal {
    std::variant<std::int32_t, std::string, bool, double> value;
    std::string shown;
};

// The event of `event` and `during` is one argument, a VoiceEvent.
using ScriptArgument
    = std::variant<std::int32_t, std::string, bool, ControlRef, MemberRef, PrintItem, FocusNone, Literal, VoiceEvent>;

struct ScriptCommand {
    CommandId id;
    CommandSection section;
    std::string name;
    std::vector<ScriptArgument> arguments;
};

} // namespace norvo::replay
