#include "CommandTable.h"

namespace norvo::replay {

namespace {

using K = ArgumentKind;
using S = CommandSection;
using C = CommandId;

std::vector<CommandSyntax> makeTable()
{
    return {
        {"pilot", C::Pilot, S::World, {{"RX", K::String}, {"TX", K::String}, {"COM1", K::String}, {"COM2", K::String}}},
        {"nopilot", C::NoPilot, S::World, {}},
        {"object", C::Object, S::World, {{"HANDLE", K::Integer}, {"TYPE", K::String}, {"NAME", K::String}}},
        {"remove", C::Remove, S::World, {{"HANDLE", K::Integer}}},
        {"long", C::Long, S::World, {{"HANDLE", K::Integer}, {"INDEX", K::Integer}, {"VALUE", K::Integer}}},
        {"text", C::Text, S::World, {{"HANDLE", K::Integer}, {"INDEX", K::Integer}, {"STRING", K::String}}},
        {"fail", C::Fail, S::World, {{"MEMBER", K::Member}}},
        {"hosted", C::Hosted, S::World, {{"BOOL", K::Boolean}}},
        {"setting", C::Setting, S::World, {{"KEY", K::String}, {"STRING", K::String}}},
        {"accept", C::Accept, S::World, {{"BOOL", K::Boolean}}},
        {"during", C::During, S::World, {{"MEMBER", K::VoiceMember}, {"EVENT [ARGS]", K::Event}}},

        {"start", C::Start, S::Panel, {}},
        {"stop", C::Stop, S::Panel, {}},
        {"host HostinghWnd", C::HostHostinghWnd, S::Panel, {{"N", K::Integer}}},
        {"host Sizing", C::HostSizing, S::Panel, {{"SIDE", K::Integer}}},
        {"host CanDeactivate", C::HostCanDeactivate, S::Panel, {}},
        {"host Activated", C::HostActivated, S::Panel, {}},
        {"host HasTitle", C::HostHasTitle, S::Panel, {}},
        {"host Sizeable", C::HostSizeable, S::Panel, {}},
        {"host Closeable", C::HostCloseable, S::Panel, {}},
        {"host Dockframe", C::HostDockframe, S::Panel, {}},
        {"resize", C::Resize, S::Panel, {{"W", K::Integer}, {"H", K::Integer}}},
        {"focus", C::Focus, S::Panel, {{"REF", K::FocusTarget}}},
        {"event Disconnected", C::EventDisconnected, S::Panel, {}},
        {"event Connected", C::EventConnected, S::Panel, {}},
        {"event MainPilotUserDeleted", C::EventMainPilotUserDeleted, S::Panel, {}},
        {"event MainPilotUserChanged", C::EventMainPilotUserChanged, S::Panel, {}},
        {"event MainPilotUserCreated", C::EventMainPilotUserCreated, S::Panel, {}},
        {"event ObjectCreated", C::EventObjectCreated, S::Panel, {{"H", K::Integer}}},
        {"event ObjectDeleted", C::EventObjectDeleted, S::Panel, {{"H", K::Integer}}},
        {"event ObjectTextChanged", C::EventObjectTextChanged, S::Panel, {{"H", K::Integer}, {"I", K::Integer}}},
        {"event ObjectValueChanged", C::EventObjectValueChanged, S::Panel, {{"H", K::Integer}, {"I", K::Integer}}},
        {"click", C::Click, S::Panel, {{"REF", K::Control}}},
        {"dblclick", C::DblClick, S::Panel, {{"REF", K::Control}}},
        {"mousedown", C::MouseDown, S::Panel, {{"REF", K::Control}, {"BUTTON", K::Integer, true}}},
        {"mousemove", C::MouseMove, S::Panel, {{"REF", K::Control}}},
        {"type", C::Type, S::Panel, {{"REF", K::Control}, {"STRING", K::String}}},
        {"key", C::Key, S::Panel, {{"REF", K::Control}, {"CODE", K::Integer}}},
        {"pick", C::Pick, S::Panel, {{"REF", K::Control}, {"N", K::Integer}}},
        {"tick", C::Tick, S::Panel, {{"MS", K::Integer}}},
        {"set", C::Set, S::Panel, {{"PROPREF", K::Property}, {"VALUE", K::Value}}},
        {"invoke", C::Invoke, S::Panel, {{"REF.METHOD", K::Method}, {"ARGS", K::Integer, true, true}}},
        {"newlabel", C::NewLabel, S::Panel, {{"NAME", K::Name}, {"CLASS", K::LabelClass}}},
        {"size", C::Size, S::Panel, {{"REF", K::Control}, {"W", K::Integer}, {"H", K::Integer}}},
        {"press", C::Press, S::Panel, {{"KEY", K::Key}}},

        {"print", C::Print, S::Output, {{"ITEM", K::Item, false, true}}},
        {"calls", C::Calls, S::Output, {}},
        {"forget", C::Forget, S::Output, {}},
        {"stored", C::Stored, S::Output, {{"REF", K::Control}}},
        {"pixel", C::Pixel, S::Output, {{"X", K::Integer}, {"Y", K::Integer}}},
        {"snapshot", C::Snapshot, S::Output, {{"FILE", K::Path}}},
    };
}

} // namespace

std::string CommandSyntax::usage() const
{
    std::string text = "usage: " + std::string(name);
    for (const Parameter& parameter : parameters) {
        std::string shown(parameter.name);
        if (parameter.repeated)
            shown += "...";
        text += parameter.optional ? " [" + shown + "]" : " " + shown;
    }
    return text;
}

const std::vector<CommandSyntax>& CommandTable::all()
{
    static const std::vector<CommandSyntax> table = makeTable();
    return table;
}

const CommandSyntax* CommandTable::find(std::string_view name)
{
    for (const CommandSyntax& syntax : all())
        if (syntax.name == name)
            return &syntax;
    return nullptr;
}

std::vector<std::string_view> CommandTable::groupMembers(std::string_view group)
{
    std::vector<std::string_view> members;
    for (const CommandSyntax& syntax : all()) {
        const std::string_view name = syntax.name;
        if (name.size() > group.size() && name.starts_with(group) && name[group.size()] == ' ')
            members.push_back(name.substr(group.size() + 1));
    }
    return members;
}

} // namespace norvo::replay
