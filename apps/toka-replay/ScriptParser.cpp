#include "ScriptParser.h"

#include "PanelFields.h"
#include "ScriptError.h"

#include "recording/InMemoryVoiceClient.h"
#include "recording/RecordingDockFrame.h"

#include <algorithm>

namespace norvo::replay {

namespace {

using Kind = ScriptToken::Kind;

std::string joined(const std::vector<std::string_view>& words)
{
    std::string text;
    for (const std::string_view word : words)
        text += (text.empty() ? "" : ", ") + std::string(word);
    return text;
}

std::vector<std::string_view> splitDots(std::string_view text)
{
    std::vector<std::string_view> segments;
    std::size_t start = 0;
    for (;;) {
        const std::size_t dot = text.find('.', start);
        segments.push_back(text.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start));
        if (dot == std::string_view::npos)
            return segments;
        start = dot + 1;
    }
}

ControlRef controlFromSegments(const std::vector<std::string_view>& segments, std::string_view written)
{
    ControlRef ref;
    ref.written = std::string(written);
    std::string_view head = segments.front();
    const std::size_t open = head.find('(');
    if (open != std::string_view::npos) {
        if (!head.ends_with(')'))
            throw ScriptError("malformed control reference " + ref.written);
        const std::string_view index = head.substr(open + 1, head.size() - open - 2);
        if (index.empty())
            throw ScriptError("malformed control reference " + ref.written);
        ref.index = ScriptLexer::parseInteger(index);
        if (*ref.index < 0)
            throw ScriptError("a control index cannot be negative: " + ref.written);
        head = head.substr(0, open);
    }
    if (!ScriptParser::isIdentifier(head))
        throw ScriptError("malformed control reference " + ref.written);
    ref.name = std::string(head);
    if (segments.size() == 2) {
        if (!ScriptParser::isIdentifier(segments[1]))
            throw ScriptError("malformed control reference " + ref.written);
        ref.child = std::string(segments[1]);
    }
    return ref;
}

// The event an `event` command raises, its integers turned into handle and
// index; nullopt for any other command.
std::optional<VoiceEvent> eventOf(const ScriptCommand& command)
{
    using E = VoiceEvent::Kind;
    const auto number = [&](std::size_t position) { return std::get<std::int32_t>(command.arguments.at(position)); };
    switch (command.id) {
    case CommandId::EventDisconnected: return VoiceEvent{E::Disconnected};
    case CommandId::EventConnected: return VoiceEvent{E::Connected};
    case CommandId::EventMainPilotUserDeleted: return VoiceEvent{E::MainPilotUserDeleted};
    case CommandId::EventMainPilotUserChanged: return VoiceEvent{E::MainPilotUserChanged};
    case CommandId::EventMainPilotUserCreated: return VoiceEvent{E::MainPilotUserCreated};
    case CommandId::EventObjectCreated: return VoiceEvent{E::ObjectCreated, number(0)};
    case CommandId::EventObjectDeleted: return VoiceEvent{E::ObjectDeleted, number(0)};
    case CommandId::EventObjectTextChanged: return VoiceEvent{E::ObjectTextChanged, number(0), number(1)};
    case CommandId::EventObjectValueChanged: return VoiceEvent{E::ObjectValueChanged, number(0), number(1)};
    default: return std::nullopt;
    }
}

class LineParser {
public:
    LineParser(const CommandSyntax& syntax, const std::vector<ScriptToken>& tokens, std::size_t first)
        : syntax_(syntax)
        , tokens_(tokens)
        , next_(first)
    {
    }

    ScriptCommand parse()
    {
        ScriptCommand command{syntax_.id, syntax_.section, std::string(syntax_.name), {}};
        for (const Parameter& parameter : syntax_.parameters) {
            if (next_ >= tokens_.size()) {
                if (parameter.optional)
                    break;
                throw ScriptError(syntax_.usage());
            }
            if (parameter.kind == ArgumentKind::Event) {
                command.arguments.push_back(event());
                break;
            }
            do
                command.arguments.push_back(argument(parameter, tokens_[next_++]));
            while (parameter.repeated && next_ < tokens_.size());
        }
        if (next_ < tokens_.size())
            throw ScriptError(syntax_.usage());
        return command;
    }

private:
    [[noreturn]] void wrong(const Parameter& parameter, const ScriptToken& token, std::string_view expected) const
    {
        throw ScriptError(std::string(syntax_.name) + ": " + std::string(parameter.name) + " must be "
            + std::string(expected) + ", not " + token.shown());
    }

    const ScriptToken& expect(
        const Parameter& parameter, const ScriptToken& token, Kind kind, std::string_view what) const
    {
        if (token.kind != kind)
            wrong(parameter, token, what);
        return token;
    }

    // An event name and its arguments, as `event` reads them: the rest of
    // the line.
    VoiceEvent event()
    {
        const ScriptToken& name = tokens_[next_];
        const CommandSyntax* raised = name.kind == Kind::Word ? CommandTable::find("event " + name.text) : nullptr;
        if (!raised)
            throw ScriptError(std::string(syntax_.name) + ": unknown event " + name.shown()
                + "; one of: " + joined(CommandTable::groupMembers("event")));
        const ScriptCommand command = LineParser(*raised, tokens_, next_ + 1).parse();
        next_ = tokens_.size();
        return *eventOf(command);
    }

    ScriptArgument argument(const Parameter& parameter, const ScriptToken& token) const
    {
        switch (parameter.kind) {
        case ArgumentKind::Integer: return expect(parameter, token, Kind::Integer, "an integer").integer;
        case ArgumentKind::String: return expect(parameter, token, Kind::String, "a string").text;
        case ArgumentKind::Boolean: return expect(parameter, token, Kind::Boolean, "True or False").boolean;
        case ArgumentKind::Member: {
            const std::string& member = expect(parameter, token, Kind::Word, "a member name").text;
            if (!InMemoryVoiceClient::isMember(member) && !RecordingDockFrame::isMember(member))
                wrong(parameter, token, "a voice-client member, IsHosted or ClosePanel");
            return member;
        }
        case ArgumentKind::VoiceMember: {
            const std::string& member = expect(parameter, token, Kind::Word, "a voice-client member").text;
            if (!InMemoryVoiceClient::isMember(member))
                wrong(parameter, token, "a voice-client member");
            return member;
        }
        case ArgumentKind::Event: break;
        case ArgumentKind::LabelClass: {
            const std::string& name = expect(parameter, token, Kind::Word, "UserLabel or UserLabelGraph").text;
            if (name != "UserLabel" && name != "UserLabelGraph")
                wrong(parameter, token, "UserLabel or UserLabelGraph");
            return name;
        }
        case ArgumentKind::Name:
            if (token.kind != Kind::Word || !ScriptParser::isIdentifier(token.text))
                wrong(parameter, token, "a name");
            return token.text;
        case ArgumentKind::Control:
            return ScriptParser::parseControl(expect(parameter, token, Kind::Word, "a control").text);
        case ArgumentKind::FocusTarget:
            if (token.kind == Kind::Word && token.text == "none")
                return FocusNone{};
            return ScriptParser::parseControl(expect(parameter, token, Kind::Word, "a control or none").text);
        case ArgumentKind::Property:
            return ScriptParser::parseMember(expect(parameter, token, Kind::Word, "a property reference").text);
        case ArgumentKind::Method:
            return ScriptParser::parseMember(expect(parameter, token, Kind::Word, "a control and a method").text);
        case ArgumentKind::Key: return key(parameter, token);
        case ArgumentKind::Value: return literal(parameter, token);
        case ArgumentKind::Item: return item(parameter, token);
        case ArgumentKind::Path:
            if (token.kind != Kind::String && token.kind != Kind::Word)
                wrong(parameter, token, "a file name");
            if (token.text.empty())
                wrong(parameter, token, "a file name");
            return token.text;
        }
        throw ScriptError("unknown argument kind");
    }

    Literal literal(const Parameter& parameter, const ScriptToken& token) const
    {
        switch (token.kind) {
        case Kind::Integer: return {token.integer, token.shown()};
        case Kind::String: return {token.text, token.shown()};
        case Kind::Boolean: return {token.boolean, token.shown()};
        case Kind::Number: return {token.number, token.shown()};
        case Kind::Word: break;
        }
        wrong(parameter, token, "a value (integer, string, True or False)");
    }

    std::string key(const Parameter& parameter, const ScriptToken& token) const
    {
        constexpr std::string_view expected = "a key name (Tab, Backtab, Space, Return, Escape, Left, Right, Up, "
                                              "Down) or one printable character in quotes";
        if (token.kind == Kind::Word) {
            const auto named = std::find(std::begin(NamedKeys), std::end(NamedKeys), token.text);
            if (named == std::end(NamedKeys))
                wrong(parameter, token, expected);
            return token.text;
        }
        if (token.kind != Kind::String || !isOnePrintableCharacter(token.text))
            wrong(parameter, token, expected);
        return token.text;
    }

    // One UTF-8 sequence, not a control character.
    static bool isOnePrintableCharacter(const std::string& text)
    {
        if (text.empty())
            return false;
        const auto lead = static_cast<unsigned char>(text.front());
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        const bool continued = std::all_of(
            text.begin() + 1, text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; });
        return length == text.size() && continued && lead >= 0x20 && lead != 0x7F;
    }

    PrintItem item(const Parameter& parameter, const ScriptToken& token) const
    {
        const std::string& text
            = expect(parameter, token, Kind::Word, "a panel field, focus, settings or a property").text;
        PrintItem printed;
        printed.written = text;
        if (ScriptParser::isPanelField(text))
            printed.kind = PrintItem::Kind::Field;
        else if (text == "focus")
            printed.kind = PrintItem::Kind::Focus;
        else if (text == "settings")
            printed.kind = PrintItem::Kind::Settings;
        else if (text.find('.') == std::string::npos)
            wrong(parameter, token, "a panel field, focus, settings or a property");
        else {
            printed.kind = PrintItem::Kind::Property;
            printed.property = ScriptParser::parseMember(text);
        }
        return printed;
    }

    const CommandSyntax& syntax_;
    const std::vector<ScriptToken>& tokens_;
    std::size_t next_;
};

} // namespace

bool ScriptParser::isIdentifier(std::string_view text)
{
    if (text.empty())
        return false;
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    if (!letter(text.front()))
        return false;
    for (const char c : text)
        if (!letter(c) && !(c >= '0' && c <= '9'))
            return false;
    return true;
}

bool ScriptParser::isPanelField(std::string_view name)
{
    return std::any_of(PanelFields.begin(), PanelFields.end(), [&](const auto& field) { return field.first == name; });
}

ControlRef ScriptParser::parseControl(std::string_view text)
{
    const std::vector<std::string_view> segments = splitDots(text);
    if (segments.size() > 2)
        throw ScriptError("malformed control reference " + std::string(text));
    return controlFromSegments(segments, text);
}

MemberRef ScriptParser::parseMember(std::string_view text)
{
    std::vector<std::string_view> segments = splitDots(text);
    if (segments.size() < 2 || segments.size() > 3 || !isIdentifier(segments.back()))
        throw ScriptError("malformed property reference " + std::string(text));
    MemberRef ref;
    ref.member = std::string(segments.back());
    ref.written = std::string(text);
    segments.pop_back();
    const std::string_view control = text.substr(0, text.size() - ref.member.size() - 1);
    ref.control = controlFromSegments(segments, control);
    return ref;
}

std::optional<ScriptCommand> ScriptParser::parse(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#')
        return std::nullopt;
    const std::vector<ScriptToken> tokens = ScriptLexer::tokenize(line);
    const ScriptToken& head = tokens.front();
    if (head.kind != Kind::Word)
        throw ScriptError("a line must start with a command, not " + head.shown());
    if (const CommandSyntax* syntax = CommandTable::find(head.text))
        return LineParser(*syntax, tokens, 1).parse();
    const std::vector<std::string_view> members = CommandTable::groupMembers(head.text);
    if (members.empty())
        throw ScriptError("unknown command " + head.text);
    if (tokens.size() < 2 || tokens[1].kind != Kind::Word)
        throw ScriptError(head.text + " needs one of: " + joined(members));
    const CommandSyntax* syntax = CommandTable::find(head.text + " " + tokens[1].text);
    if (!syntax)
        throw ScriptError("unknown " + head.text + " " + tokens[1].text + "; one of: " + joined(members));
    ScriptCommand command = LineParser(*syntax, tokens, 2).parse();
    if (const std::optional<VoiceEvent> event = eventOf(command))
        command.arguments = {*event};
    return command;
}

} // namespace norvo::replay
