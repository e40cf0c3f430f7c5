#include "ScriptSession.h"

#include "ControlProperties.h"
#include "PanelFields.h"
#include "PanelRenderer.h"
#include "ScriptError.h"
#include "ValueFormatter.h"

#include "labels/PropertyBag.h"
#include "labels/UserLabelGraph.h"
#include "panel/TOKA.h"
#include "platform/ComboBox.h"
#include "platform/ManualClock.h"
#include "recording/CallLog.h"
#include "recording/InMemoryVoiceClient.h"
#include "recording/LoggingVoiceClient.h"
#include "recording/MemorySettingsStore.h"
#include "recording/RecordingDockFrame.h"
#include "recording/RecordingWindowSystem.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>
#include <map>
#include <optional>
#include <stdexcept>
#include <utility>

namespace norvo::replay {

namespace {

bool isSkinned(const Control& control)
{
    return control.kind() == ControlKind::UserLabel || control.kind() == ControlKind::UserLabelGraph;
}

// A control of the form by name and index; the inner parts of skinned labels
// are reached only through their label.
Control* findOnForm(Control& container, const std::string& name, int index)
{
    for (const auto& child : container.children()) {
        if (child->name() == name && child->index() == index)
            return child.get();
        if (isSkinned(*child))
            continue;
        if (Control* found = findOnForm(*child, name, index))
            return found;
    }
    return nullptr;
}

std::string oneLine(std::string text)
{
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

// The stored properties' names as the labels write them (the store keeps
// them in lower case).
constexpr std::array<std::string_view, 6> StoredNames
    = {"Caption", "Status", "Style", "ToolTipTextEx", "FontEx", "HandCursor"};

std::string storedName(const std::string& name)
{
    for (const std::string_view known : StoredNames) {
        const bool same = std::equal(known.begin(), known.end(), name.begin(), name.end(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        });
        if (same)
            return std::string(known);
    }
    return name;
}

std::string storedValue(const PropertyBag::Value& value)
{
    if (const auto* number = std::get_if<std::int32_t>(&value))
        return std::to_string(*number);
    if (const auto* flag = std::get_if<bool>(&value))
        return CallLog::boolean(*flag);
    return CallLog::quote(std::get<std::string>(value));
}

std::int32_t characterCount(const std::string& text)
{
    return static_cast<std::int32_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The accessibility items a script prints, by member name.
std::optional<AccessibleItem> accessibleItem(std::string_view member)
{
    if (member == "AccessibleName")
        return AccessibleItem::Name;
    if (member == "AccessibleDescription")
        return AccessibleItem::Description;
    if (member == "AccessibleRole")
        return AccessibleItem::Role;
    return std::nullopt;
}

template <class T> const T& argument(const ScriptCommand& command, std::size_t position)
{
    return std::get<T>(command.arguments.at(position));
}

} // namespace

struct ScriptSession::World {
    World(const ReplayOptions& options, std::ostream& out, SettingsProblemSink settingsProblem)
        : options(options)
        , out(out)
        , settingsProblem(std::move(settingsProblem))
    {
    }
    ~World() { releasePanel(); }
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    const ReplayOptions& options;
    std::ostream& out;
    SettingsProblemSink settingsProblem;

    CallLog log;
    InMemoryVoiceClient voice;
    // What the panel is given: the calls on the voice client go to the log,
    // the events it raises (during) do not.
    LoggingVoiceClient loggedVoice{
        voice, log.writer(), LoggingVoiceClient::FailureReasons::LeftOut, LoggingVoiceClient::EventLines::LeftOut};
    RecordingDockFrame dockFrame{log};
    std::unique_ptr<SettingsStore> settingsStore = openSettings(options);
    SettingsStore& settings = *settingsStore;
    RecordingWindowSystem windows{log};
    ManualClock clock;
    std::map<std::string, std::unique_ptr<UserLabel>, std::less<>> labels;
    // Last, so that it goes first: its shutdown still reaches the components.
    std::unique_ptr<TOKA> panel;
    bool running = false;

    void execute(const ScriptCommand& command);

private:
    static std::unique_ptr<SettingsStore> openSettings(const ReplayOptions& options)
    {
        if (options.settingsFile.empty())
            return std::make_unique<MemorySettingsStore>();
        return options.openSettings(options.settingsFile);
    }

    // Runs what the panel or a label does; their errors are printed.
    template <class F> void guarded(F&& action)
    {
        try {
            action();
        } catch (const ScriptError&) {
            throw;
        } catch (const std::exception& error) {
            out << "error: " << oneLine(error.what()) << '\n';
        } catch (...) {
            out << "error: unknown error\n";
        }
    }

    void line(const std::string& text) { out << text << '\n'; }

    TOKA& existingPanel(const std::string& command)
    {
        if (!panel)
            throw ScriptError(command + ": the panel is not started");
        return *panel;
    }

    void checkSection(const ScriptCommand& command)
    {
        if (command.section != CommandSection::Panel || command.id == CommandId::Start)
            return;
        if (!panel)
            throw ScriptError(command.name + ": the panel is not started");
        if (!running)
            throw ScriptError(command.name + ": the panel has been stopped");
    }

    Control& resolve(const ControlRef& ref)
    {
        Control* control = nullptr;
        if (!ref.index) {
            if (const auto label = labels.find(ref.name); label != labels.end())
                control = label->second.get();
            else if (ref.name == "TOKA")
                control = &existingPanel(ref.written).form();
        }
        if (!control) {
            if (!panel)
                throw ScriptError("no control " + ref.written + ": the panel is not started");
            control = findOnForm(panel->form(), ref.name, ref.index ? *ref.index : Control::NoIndex);
            if (!control)
                throw ScriptError("the panel has no control " + ref.written);
        }
        if (ref.child.empty())
            return *control;
        if (!isSkinned(*control))
            throw ScriptError(ref.written + ": only a skinned label's parts can follow a control");
        for (const auto& child : control->children())
            if (child->name() == ref.child)
                return *child;
        throw ScriptError(ref.written + ": a " + controlKindName(control->kind()) + " has no part " + ref.child);
    }

    UserLabel& resolveLabel(const ControlRef& ref, const std::string& command)
    {
        Control& control = resolve(ref);
        if (!isSkinned(control))
            throw ScriptError(command + " needs a skinned label, not " + ref.written);
        return static_cast<UserLabel&>(control);
    }

    ComboBox& resolveComboBox(const ControlRef& ref, const std::string& command)
    {
        Control& control = resolve(ref);
        if (control.kind() != ControlKind::ComboBox)
            throw ScriptError(command + " needs a combo box, not " + ref.written);
        return static_cast<ComboBox&>(control);
    }

    // How a script names a control: "RoomStatus(2)", "btnQuit.lblCaption", "TOKA".
    std::string scriptReference(const Control& control) const
    {
        if (panel && &control == &panel->form())
            return "TOKA";
        if (control.parent() && isSkinned(*control.parent()))
            return scriptReference(*control.parent()) + "." + control.name();
        return control.reference();
    }

    static void checkSize(std::int32_t width, std::int32_t height)
    {
        if (width < 0 || height < 0)
            throw ScriptError("a size cannot be negative");
    }

    // The front end lets go of the panel before it goes.
    void releasePanel() noexcept
    {
        if (panel && options.renderer)
            options.renderer->release(*panel);
    }
    // The front end's work: an error where it is not built.
    template <class F> void onFrontEnd(const std::string& what, F&& action)
    {
        guarded([&] {
            if (!options.renderer)
                throw std::runtime_error(what + " needs the Qt front end, which this toka-replay is built without");
            action(*options.renderer);
        });
    }

    void start();
    void stop();
    void deliverEvent(const ScriptCommand& command);
    void host(const ScriptCommand& command);
    void input(const ScriptCommand& command);
    void set(const MemberRef& ref, const Literal& value);
    void invoke(const ScriptCommand& command);
    void newLabel(const std::string& name, const std::string& className);
    void print(const PrintItem& item);
    void stored(const ControlRef& ref);
    void render(const ScriptCommand& command);
    void outsideWorld(const ScriptCommand& command);
};

void ScriptSession::World::start()
{
    if (running)
        throw ScriptError("start: the panel is already started");
    // A panel stopped before goes; the new one starts on the same outside world.
    releasePanel();
    panel.reset();
    guarded([this] {
        panel = std::make_unique<TOKA>(TokaEnvironment{loggedVoice, dockFrame, settings, windows, clock});
        panel->Quit.connect([this] { log.add("raise Quit"); });
        panel->SettingsProblemFound.connect(
            [this](const SettingsProblem& problem) { settingsProblem(problem.message()); });
        running = true;
        panel->Initialize();
    });
}

void ScriptSession::World::stop()
{
    running = false;
    panel->Terminate();
}

void ScriptSession::World::deliverEvent(const ScriptCommand& command)
{
    // Straight to the panel: an event is no call the log should show.
    VoiceEventSink* sink = loggedVoice.eventSink();
    guarded([&] {
        if (sink)
            sink->receive(argument<VoiceEvent>(command, 0));
    });
}

void ScriptSession::World::host(const ScriptCommand& command)
{
    TOKA& toka = *panel;
    const auto answer
        = [&](const char* name, bool value) { line(std::string(name) + " = " + CallLog::boolean(value)); };
    guarded([&] {
        switch (command.id) {
        case CommandId::HostHostinghWnd: toka.HostinghWnd(argument<std::int32_t>(command, 0)); break;
        case CommandId::HostSizing: {
            std::int32_t width = 0;
            std::int32_t height = 0;
            const bool result = toka.Sizing(argument<std::int32_t>(command, 0), width, height);
            line("Sizing = " + CallLog::boolean(result) + ", pWidth = " + std::to_string(width)
                + ", pHeight = " + std::to_string(height));
            break;
        }
        case CommandId::HostCanDeactivate: answer("CanDeactivate", toka.CanDeactivate()); break;
        case CommandId::HostActivated: answer("Activated", toka.Activated()); break;
        case CommandId::HostHasTitle: answer("HasTitle", toka.HasTitle()); break;
        case CommandId::HostSizeable: answer("Sizeable", toka.Sizeable()); break;
        case CommandId::HostCloseable: answer("Closeable", toka.Closeable()); break;
        case CommandId::HostDockframe:
            line(std::string("Dockframe = ") + (&toka.Dockframe() == &dockFrame ? "DKF" : "unknown"));
            break;
        default: break;
        }
    });
}

void ScriptSession::World::input(const ScriptCommand& command)
{
    Control& control = resolve(argument<ControlRef>(command, 0));
    switch (command.id) {
    case CommandId::Click: guarded([&] { control.click(); }); break;
    case CommandId::DblClick: guarded([&] { control.dblClick(); }); break;
    case CommandId::MouseMove: guarded([&] { control.mouseMove(MouseEvent{}); }); break;
    case CommandId::MouseDown: {
        MouseEvent event;
        if (command.arguments.size() > 1) {
            event.button = argument<std::int32_t>(command, 1);
            if (event.button != LeftButton && event.button != RightButton && event.button != MiddleButton)
                throw ScriptError("mousedown: BUTTON must be 1 (left), 2 (right) or 4 (middle)");
        }
        guarded([&] { control.mouseDown(event); });
        break;
    }
    case CommandId::Key: {
        const std::int32_t code = argument<std::int32_t>(command, 1);
        if (code < std::numeric_limits<std::int16_t>::min() || code > std::numeric_limits<std::int16_t>::max())
            throw ScriptError("key: CODE must fit 16 bits");
        std::int16_t keyAscii = static_cast<std::int16_t>(code);
        guarded([&] { control.keyPress(keyAscii); });
        break;
    }
    default: break;
    }
}

void ScriptSession::World::set(const MemberRef& ref, const Literal& value)
{
    Control& control = resolve(ref.control);
    if (panel && &control == &panel->form() && (ref.member == "Width" || ref.member == "Height"))
        throw ScriptError("TOKA." + ref.member + " cannot be set; resize W H sizes the panel");
    const PropertyAccess& access = ControlProperties::find(control, ref.member);
    access.checkSettable(value);
    guarded([&] { access.set(control, value); });
}

void ScriptSession::World::invoke(const ScriptCommand& command)
{
    const MemberRef& ref = argument<MemberRef>(command, 0);
    UserLabel& label = resolveLabel(ref.control, "invoke");
    const std::size_t count = command.arguments.size() - 1;
    if (ref.member == "Blink") {
        if (count != 2)
            throw ScriptError("usage: invoke REF.Blink BLINKSTATUS BLINKLOOP");
        guarded([&] { label.Blink(argument<std::int32_t>(command, 1), argument<std::int32_t>(command, 2)); });
    } else if (ref.member == "BlinkStop") {
        if (count != 0)
            throw ScriptError("usage: invoke REF.BlinkStop");
        guarded([&] { label.BlinkStop(); });
    } else {
        throw ScriptError(std::string("a ") + controlKindName(label.kind()) + " has no method " + ref.member);
    }
}

void ScriptSession::World::newLabel(const std::string& name, const std::string& className)
{
    if (labels.count(name) || name == "TOKA" || findOnForm(panel->form(), name, Control::NoIndex))
        throw ScriptError("newlabel: a control named " + name + " exists already");
    guarded([&] {
        std::unique_ptr<UserLabel> label;
        if (className == "UserLabelGraph")
            label = std::make_unique<UserLabelGraph>(name, Control::NoIndex, clock);
        else
            label = std::make_unique<UserLabel>(name, Control::NoIndex, clock);
        label->setSize(25, 14);
        label->ReadProperties(PropertyBag{});
        // Its container is the script: its events show among the calls.
        label->Click.connect([this, name] { log.add("raise " + name + ".Click"); });
        label->DblClick.connect([this, name] { log.add("raise " + name + ".DblClick"); });
        labels.emplace(name, std::move(label));
    });
}

void ScriptSession::World::print(const PrintItem& item)
{
    switch (item.kind) {
    case PrintItem::Kind::Settings:
        for (const std::string& entry :
            ValueFormatter::settingsLines(settings, TOKA::SettingsApplication, TOKA::SettingsSection))
            line(entry);
        return;
    case PrintItem::Kind::Field: {
        const TokaFields& fields = existingPanel("print " + item.written).fields();
        for (const auto& [name, field] : PanelFields)
            if (name == item.written)
                line(item.written + " = " + std::to_string(fields.*field));
        return;
    }
    case PrintItem::Kind::Focus: {
        const Control* focused = existingPanel("print focus").form().focusedControl();
        line("focus = " + ValueFormatter::format(ReferenceValue{focused ? scriptReference(*focused) : ""}));
        return;
    }
    case PrintItem::Kind::Property: break;
    }
    const MemberRef& ref = item.property;
    Control& control = resolve(ref.control);
    if (const std::optional<AccessibleItem> accessible = accessibleItem(ref.member)) {
        TOKA& toka = existingPanel("print " + item.written);
        onFrontEnd(item.written, [&](PanelRenderer& renderer) {
            const std::string text = renderer.accessible(toka, control, *accessible);
            line(item.written + " = "
                + (*accessible == AccessibleItem::Role ? text : ValueFormatter::format(ScriptValue{text})));
        });
        return;
    }
    if (panel && &control == &panel->form() && (ref.member == "Width" || ref.member == "Height")) {
        line(item.written + " = " + std::to_string(ref.member == "Width" ? panel->Width() : panel->Height()));
        return;
    }
    const PropertyAccess& access = ControlProperties::find(control, ref.member);
    guarded([&] { line(item.written + " = " + ValueFormatter::format(access.get(control))); });
}

void ScriptSession::World::stored(const ControlRef& ref)
{
    const UserLabel& label = resolveLabel(ref, "stored");
    guarded([&] {
        PropertyBag bag;
        label.WriteProperties(bag);
        for (const PropertyBag::Entry& entry : bag.entries())
            line(CallLog::quote(storedName(entry.name)) + " = " + storedValue(entry.value));
    });
}

void ScriptSession::World::render(const ScriptCommand& command)
{
    TOKA& toka = existingPanel(command.name);
    onFrontEnd(command.name, [&](PanelRenderer& renderer) {
        switch (command.id) {
        case CommandId::Pixel: {
            const std::int32_t x = argument<std::int32_t>(command, 0);
            const std::int32_t y = argument<std::int32_t>(command, 1);
            const Colour colour = renderer.pixel(toka, x, y);
            line("pixel(" + std::to_string(x) + ", " + std::to_string(y) + ") = " + ValueFormatter::colour(colour));
            break;
        }
        case CommandId::Snapshot: renderer.snapshot(toka, options.pngDir / argument<std::string>(command, 0)); break;
        case CommandId::Press: renderer.press(toka, argument<std::string>(command, 0)); break;
        default: break;
        }
    });
}

void ScriptSession::World::outsideWorld(const ScriptCommand& command)
{
    const auto number = [&](std::size_t position) { return argument<std::int32_t>(command, position); };
    const auto text = [&](std::size_t position) { return argument<std::string>(command, position); };
    const auto requireObject = [&](std::int32_t handle) {
        if (!voice.hasObject(handle))
            throw ScriptError(command.name + ": the voice client holds no object " + std::to_string(handle));
    };
    switch (command.id) {
    case CommandId::Pilot: voice.setPilot(InMemoryVoiceClient::Pilot{text(0), text(1), text(2), text(3)}); break;
    case CommandId::NoPilot: voice.setPilot(std::nullopt); break;
    case CommandId::Object: voice.addObject(number(0), text(1), text(2)); break;
    case CommandId::Remove:
        requireObject(number(0));
        voice.removeObject(number(0));
        break;
    case CommandId::Long:
        requireObject(number(0));
        voice.setLong(number(0), number(1), number(2));
        break;
    case CommandId::Text:
        requireObject(number(0));
        voice.setText(number(0), number(1), text(2));
        break;
    case CommandId::Fail:
        if (RecordingDockFrame::isMember(text(0)))
            dockFrame.failNext(text(0));
        else
            voice.failNext(text(0));
        break;
    case CommandId::Hosted: dockFrame.setHosted(argument<bool>(command, 0)); break;
    case CommandId::Setting:
        guarded([&] { settings.SaveSetting(TOKA::SettingsApplication, TOKA::SettingsSection, text(0), text(1)); });
        break;
    case CommandId::Accept: windows.setAcceptsRegions(argument<bool>(command, 0)); break;
    case CommandId::During: voice.raiseDuring(text(0), argument<VoiceEvent>(command, 1)); break;
    default: break;
    }
}

void ScriptSession::World::execute(const ScriptCommand& command)
{
    checkSection(command);
    switch (command.id) {
    case CommandId::Start: start(); break;
    case CommandId::Stop: stop(); break;
    case CommandId::HostHostinghWnd:
    case CommandId::HostSizing:
    case CommandId::HostCanDeactivate:
    case CommandId::HostActivated:
    case CommandId::HostHasTitle:
    case CommandId::HostSizeable:
    case CommandId::HostCloseable:
    case CommandId::HostDockframe: host(command); break;
    case CommandId::Resize: {
        const std::int32_t width = argument<std::int32_t>(command, 0);
        const std::int32_t height = argument<std::int32_t>(command, 1);
        checkSize(width, height);
        guarded([&] { panel->resize(width, height); });
        break;
    }
    case CommandId::Focus: {
        Control* target = nullptr;
        if (const auto* ref = std::get_if<ControlRef>(&command.arguments.at(0))) {
            target = &resolve(*ref);
            if (&target->root() != &panel->form())
                throw ScriptError("focus: " + ref->written + " is not on the panel");
        }
        guarded([&] { panel->form().setFocus(target); });
        break;
    }
    case CommandId::EventDisconnected:
    case CommandId::EventConnected:
    case CommandId::EventMainPilotUserDeleted:
    case CommandId::EventMainPilotUserChanged:
    case CommandId::EventMainPilotUserCreated:
    case CommandId::EventObjectCreated:
    case CommandId::EventObjectDeleted:
    case CommandId::EventObjectTextChanged:
    case CommandId::EventObjectValueChanged: deliverEvent(command); break;
    case CommandId::Click:
    case CommandId::DblClick:
    case CommandId::MouseDown:
    case CommandId::MouseMove:
    case CommandId::Key: input(command); break;
    case CommandId::Type: {
        ComboBox& box = resolveComboBox(argument<ControlRef>(command, 0), "type");
        const std::string& typed = argument<std::string>(command, 1);
        guarded([&] {
            box.setText(typed);
            box.setSelLength(0);
            box.setSelStart(characterCount(typed));
        });
        break;
    }
    case CommandId::Pick: {
        ComboBox& box = resolveComboBox(argument<ControlRef>(command, 0), "pick");
        const std::int32_t position = argument<std::int32_t>(command, 1);
        if (position < 0 || position >= box.listCount())
            throw ScriptError(
                "pick: " + argument<ControlRef>(command, 0).written + " has no list item " + std::to_string(position));
        guarded([&] {
            box.setText(box.list(position));
            box.click();
        });
        break;
    }
    case CommandId::Tick: {
        const std::int32_t milliseconds = argument<std::int32_t>(command, 0);
        if (milliseconds < 0)
            throw ScriptError("tick: time cannot run backwards");
        if (options.maxTickMilliseconds >= 0 && milliseconds > options.maxTickMilliseconds)
            throw ScriptError("tick: at most " + std::to_string(options.maxTickMilliseconds) + " ms at once");
        guarded([&] { clock.advance(milliseconds); });
        break;
    }
    case CommandId::Set: set(argument<MemberRef>(command, 0), argument<Literal>(command, 1)); break;
    case CommandId::Invoke: invoke(command); break;
    case CommandId::NewLabel: newLabel(argument<std::string>(command, 0), argument<std::string>(command, 1)); break;
    case CommandId::Size: {
        UserLabel& label = resolveLabel(argument<ControlRef>(command, 0), "size");
        const std::int32_t width = argument<std::int32_t>(command, 1);
        const std::int32_t height = argument<std::int32_t>(command, 2);
        checkSize(width, height);
        guarded([&] { label.setSize(width, height); });
        break;
    }
    case CommandId::Print:
        for (const ScriptArgument& item : command.arguments)
            print(std::get<PrintItem>(item));
        break;
    case CommandId::Calls:
        for (const std::string& call : log.take())
            line(call);
        break;
    case CommandId::Forget: log.take(); break;
    case CommandId::Stored: stored(argument<ControlRef>(command, 0)); break;
    case CommandId::Pixel:
    case CommandId::Snapshot:
    case CommandId::Press: render(command); break;
    default: outsideWorld(command); break;
    }
}

ScriptSession::ScriptSession(const ReplayOptions& options, std::ostream& out, SettingsProblemSink settingsProblem)
    : options_(options)
    , out_(out)
    , world_(std::make_unique<World>(options_, out_, std::move(settingsProblem)))
{
}

ScriptSession::~ScriptSession() = default;

void ScriptSession::execute(const ScriptCommand& command) { world_->execute(command); }

} // namespace norvo::replay
