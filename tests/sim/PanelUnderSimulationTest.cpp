#include "host/StandaloneDockFrame.h"
#include "labels/UserLabel.h"
#include "panel/TOKA.h"
#include "platform/ComboBox.h"
#include "platform/Label.h"
#include "platform/ManualClock.h"
#include "platform/Shape.h"
#include "platform/Timer.h"
#include "recording/CallLog.h"
#include "recording/LoggingVoiceClient.h"
#include "recording/MemorySettingsStore.h"
#include "recording/RecordingWindowSystem.h"
#include "sim/SimulatedVoiceClient.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>
#include <functional>
#include <random>
#include <set>
#include <sstream>

namespace norvo {
namespace {

using Sim = SimulatedVoiceClient;
using Block = VoiceObjectLayout::Block;

// The real panel wired to the simulated network and to recording outside
// components, started, hosted by window 100 and sized as a docking host does.
// Injecting, every call the panel makes raises an event on the panel from
// inside the call, as a client with its own threads may: an event that tells
// the truth (a value, a text or the radios changed), so
// that the display must still follow the network. Each handler the run
// drives (start-up, user input, an event of the network) allows a budget of
// injections larger than the calls it makes itself; the events raised make
// calls of their own, which get injections too while the budget lasts.
constexpr int InjectionsPerHandler = 250;

// A panel and the outside components it needs, on the given voice client
// and clock, with the given remembered rooms.
struct HostedPanel {
    HostedPanel(VoiceClient& voice, Clock& clock, const MemorySettingsStore& remembered)
        : settings(remembered)
        , panel(TokaEnvironment{voice, dockFrame, settings, windows, clock})
    {
    }

    // Hosted by window 100 and sized as a docking host does.
    void host()
    {
        panel.HostinghWnd(100);
        std::int32_t width = 0;
        std::int32_t height = 0;
        panel.Sizing(0, width, height);
    }

    CallLog log;
    MemorySettingsStore settings;
    RecordingWindowSystem windows{log};
    StandaloneDockFrame dockFrame;
    // Last, so that it shuts down while the components still exist.
    TOKA panel;
};

struct PanelRig {
    explicit PanelRig(const SimulationOptions& options, bool injecting = false)
        : sim(options)
        , injecting(injecting)
        , random(options.seed)
    {
        user("start-up", [this] { shown.panel.Initialize(); });
        shown.host();
        sim.deliverEvents();
    }

    // A user input handler, as the host runs it.
    template <class Input> void user(const std::string& what, Input&& input)
    {
        injectionsLeft = InjectionsPerHandler;
        sim.beginHandler(what);
        input();
        sim.endHandler();
    }

    void injectInto(const std::string& line)
    {
        if (line.starts_with("event ")) {
            injectionsLeft = InjectionsPerHandler;
            return;
        }
        if (!injecting || injectionsLeft == 0)
            return;
        --injectionsLeft;
        ++injections;
        const std::int32_t handle = sim.voiceHandle();
        const auto index = static_cast<std::int32_t>(random() % static_cast<std::uint32_t>(sim.layout().last() + 1));
        // A value change is the most common event; a rebinding, which makes a
        // hundred calls, is left to the binding's own tests.
        using Kind = VoiceEvent::Kind;
        static constexpr std::array<Kind, 4> Kinds
            = {Kind::ObjectValueChanged, Kind::ObjectValueChanged, Kind::ObjectTextChanged, Kind::MainPilotUserChanged};
        between.eventSink()->receive({Kinds.at(random() % Kinds.size()), handle, index});
    }

    void advance(std::int64_t milliseconds)
    {
        sim.advance(milliseconds);
        clock.advance(milliseconds);
    }

    Control& at(const std::string& name, int index = Control::NoIndex) { return shown.panel.form().at(name, index); }
    ComboBox& freeChannel() { return shown.panel.form().get<ComboBox>("FreqInfo", 2); }

    Sim sim;
    const bool injecting;
    std::mt19937 random;
    int injectionsLeft = 0;
    std::int64_t injections = 0;
    LoggingVoiceClient between{sim, [this](const std::string& call) { injectInto(call); },
        LoggingVoiceClient::FailureReasons::Written, LoggingVoiceClient::EventLines::Written};
    ManualClock clock;
    HostedPanel shown{between, clock, {}};
};

// Every control of a form, one line each in tree order, with what a user
// sees of it and what assistive technology is told.
std::vector<std::string> snapshot(const Control& form, bool bound)
{
    std::vector<std::string> lines;
    const std::function<void(const Control&)> visit = [&](const Control& c) {
        // What a hidden control would show comes from the refresh that shows
        // it again; a fresh panel has never painted it.
        if (!c.shownOnScreen()) {
            lines.push_back(c.reference() + ": hidden");
            return;
        }
        // Unbound, the radios' rows keep the tooltips of the rooms they last
        // had: history that a fresh panel has not got.
        const bool stale = !bound && c.name() == "Freq";
        std::ostringstream line;
        // A timer shows only by ticking; a stopped one may keep its interval.
        if (const auto* timer = dynamic_cast<const Timer*>(&c)) {
            lines.push_back(c.reference() + (timer->running() ? ": ticks" : ": stopped"));
            return;
        }
        line << std::boolalpha << c.reference() << ": enabled " << c.enabled() << " at " << c.left() << ',' << c.top()
             << ' ' << c.width() << 'x' << c.height() << " colours " << c.backColor() << '/' << c.foreColor()
             << " tip '" << (stale ? "(kept)" : c.toolTipText()) << "' hint '" << c.hint() << "' pointer "
             << c.mousePointer() << " tab " << c.tabIndex() << '/' << c.tabStop() << " accessible "
             << static_cast<int>(c.accessibleRole()) << " '" << c.accessibleName() << "' '" << c.accessibleDescription()
             << "' " << static_cast<int>(c.checkState());
        if (const auto* label = dynamic_cast<const Label*>(&c))
            line << " caption '" << label->caption() << "' tag '" << label->tag() << "' font " << label->font().name
                 << label->font().size << label->font().bold << " transparent " << label->transparent();
        if (const auto* box = dynamic_cast<const ComboBox*>(&c)) {
            line << " text '" << box->text() << "' selection " << box->selStart() << '+' << box->selLength() << " list";
            for (const std::string& item : box->items())
                line << " '" << item << "'";
        }
        if (const auto* shape = dynamic_cast<const Shape*>(&c))
            line << " shape " << shape->fillColor() << '/' << shape->borderColor();
        if (const auto* user = dynamic_cast<const UserLabel*>(&c))
            line << " caption '" << user->Caption() << "' status " << user->Status() << " style " << user->Style()
                 << " tip '" << user->ToolTipTextEx() << "' hand " << user->HandCursor() << " blinks "
                 << user->BlinkRemaining();
        lines.push_back(line.str());
        for (const auto& child : c.children())
            visit(*child);
    };
    visit(form);
    return lines;
}

// The network as a second panel sees it: every call passes through to the
// same objects and radios, under the same locks and contract, but none of
// the first panel's events reach it, and it has no say in the network's life
// (attaching, detaching).
struct SecondView : LoggingVoiceClient {
    explicit SecondView(Sim& sim)
        : LoggingVoiceClient(sim, [](const std::string&) {})
    {
    }

    // Qualified: the base's own sink is private.
    norvo::VoiceEventSink* sink = nullptr;

    void setEventSink(norvo::VoiceEventSink* panel) override { sink = panel; }
    void Attach() override { }
    void BeginUpdates() override { }
    void Detach() override { }
};

// A panel started from scratch on the rig's network as it stands, hosted
// alike: what the rig's panel, updated event by event, must show. What is the
// user's and not the network's comes along: the remembered rooms and the
// free channel's text line. The refresh's events go to it alone.
struct FreshPanel {
    explicit FreshPanel(PanelRig& rig)
        : view(rig.sim)
        , fresh(view, rig.clock, rig.shown.settings)
    {
        rig.user("fresh start-up", [this] { fresh.panel.Initialize(); });
        fresh.host();
        rig.sim.setEventSink(view.sink);
        rig.sim.deliverEvents();
        rig.between.setEventSink(rig.between.eventSink());
        // The line the user edits, which a joined room's name only starts.
        auto& typed = fresh.panel.form().get<ComboBox>("FreqInfo", 2);
        typed.setText(rig.freeChannel().text());
        typed.setSelStart(rig.freeChannel().selStart());
        typed.setSelLength(rig.freeChannel().selLength());
    }

    SecondView view;
    HostedPanel fresh;
};

// How the rig's panel differs from a fresh one: the first control that
// shows otherwise, both ways; empty when they agree.
std::string differenceFromFreshPanel(PanelRig& rig)
{
    // The close button's blink answers a click, not the network.
    auto& quit = rig.shown.panel.form().get<UserLabel>("btnQuit");
    for (int tick = 0; tick < 10 && quit.BlinkRemaining() > 0; ++tick)
        rig.clock.advance(UserLabel::BlinkInterval);
    const FreshPanel started(rig);
    const TOKA& panel = rig.shown.panel;
    const TOKA& fresh = started.fresh.panel;
    if (fresh.fields().VoiceHandle != panel.fields().VoiceHandle)
        return "VoiceHandle " + std::to_string(panel.fields().VoiceHandle) + ", fresh "
            + std::to_string(fresh.fields().VoiceHandle);
    const bool bound = panel.fields().VoiceHandle != 0;
    const std::vector<std::string> shown = snapshot(panel.form(), bound);
    const std::vector<std::string> expected = snapshot(fresh.form(), bound);
    const auto [mine, theirs] = std::mismatch(shown.begin(), shown.end(), expected.begin(), expected.end());
    if (mine == shown.end() && theirs == expected.end())
        return {};
    return "shows " + (mine == shown.end() ? "nothing" : *mine) + "\n  fresh "
        + (theirs == expected.end() ? "nothing" : *theirs);
}

// Random runs: long seeded sequences of the network's doings and the user's
// input, with the contract checked on every call and, after each delivery,
// the panel compared with one bound afresh to the network.

enum Step { Click, Type, Pick, Wait, Tune, Select, Force, Kick, Traffic, Talk, Toggle, Change };
constexpr std::array<const char*, 12> StepNames
    = {"click", "type", "pick", "wait", "tune", "select", "force", "kick", "traffic", "talk", "toggle", "change"};

// One step of the user or the network, on room slot k where it needs one.
void runStep(PanelRig& rig, Step step, int k, std::mt19937& r)
{
    const auto pick = [&r](const auto& choices) { return choices.at(r() % choices.size()); };
    static const std::array<std::string, 7> Buttons
        = {"PriorityChannel", "COMReceive", "COMTransmit", "RoomStatus", "ToSpeaker", "GeneralSpeaker", "btnQuit"};
    static const std::array<std::string, 9> Names
        = {"EDDF_TWR", " EGLL_TWR ", "124.3", "123.450", "FREQ_123.450", "NOWHERE", "", "eddf_twr", "LFPG_TWR"};
    static const std::array<std::string, 7> Frequencies
        = {"122.800", "121.900", "118.5", "130.05", "", "abc", "136.975"};
    static const std::array<std::string, 5> Selections = {"1", "2", "B", "b", ""};
    Sim& sim = rig.sim;
    ComboBox& box = rig.freeChannel();
    switch (step) {
    case Click: {
        const std::string name = pick(Buttons);
        Control& control = name == "GeneralSpeaker" || name == "btnQuit" ? rig.at(name) : rig.at(name, k);
        rig.user("click " + control.reference(), [&] { control.click(); });
        break;
    }
    case Type:
        rig.user("key FreqInfo(2)", [&] {
            box.setText(pick(Names));
            std::int16_t enter = 13;
            box.keyPress(enter);
        });
        break;
    case Pick: {
        if (box.listCount() > 0)
            rig.user("pick FreqInfo(2)", [&] {
                box.setText(box.list(static_cast<std::int32_t>(r() % static_cast<std::uint32_t>(box.listCount()))));
                box.click();
            });
        std::int16_t key = r() % 2 ? 13 : 65;
        rig.user("key FreqInfo(2)", [&] { box.keyPress(key); });
        break;
    }
    case Wait: rig.advance(r() % 1500); break;
    case Tune: sim.setFrequency(1 + k % 2, pick(Frequencies)); break;
    case Select: {
        const std::string receive = pick(Selections);
        sim.setSelections(receive, pick(Selections));
        break;
    }
    case Force: sim.forceRoomState(k, static_cast<std::int32_t>(r() % 5)); break;
    case Kick: sim.kick(k); break;
    case Traffic: sim.setReceiveActivity(k, static_cast<std::int32_t>(r() % 2)); break;
    case Talk: sim.setPushToTalk(!sim.pushToTalk()); break;
    case Toggle:
        if (k == 0)
            sim.networkUp() ? sim.disconnectNetwork() : sim.connectNetwork();
        else if (k == 1 && sim.voiceHandle() != 0)
            sim.deleteVoiceObject();
        else if (k == 1)
            sim.createVoiceObject();
        else
            sim.setPilotPresent(!sim.pilotPresent());
        break;
    case Change:
        if (r() % 3 == 0)
            sim.setRoomInfo(k, "Updated\r\nline " + std::to_string(r() % 100));
        else if (sim.voiceHandle() != 0)
            sim.setValue(k == 0 ? HeaderIndex::VoiceEnabled : HeaderIndex::SpeakerRouting, r() % 3 == 0 ? 0 : 1);
        break;
    }
}

// Injecting, no lock may nest (each would be a contract violation) and the
// display must still follow the network.
class RandomRun : public ::testing::TestWithParam<std::tuple<std::uint32_t, bool>> { };

TEST_P(RandomRun, KeepsTheContractAndShowsWhatAFreshPanelShows)
{
    const auto [seed, injecting] = GetParam();
    SimulationOptions options;
    options.seed = seed;
    options.connectDelay = 600;
    PanelRig rig(options, injecting);
    std::mt19937 random(seed);
    std::discrete_distribution<int> steps({18, 5, 2, 14, 3, 3, 3, 2, 3, 3, 3, 3});
    std::deque<std::string> recent;
    // What the network held when the panels were compared.
    std::set<std::string> seen;
    // An injecting run makes ten times the calls: it takes the first steps of
    // the plain run of its seed, which shows what they go through.
    const int stepCount = injecting ? 400 : 1200;
    for (int step = 0; step < stepCount; ++step) {
        std::string why;
        try {
            const auto kind = static_cast<Step>(steps(random));
            const int k = static_cast<int>(random() % 3);
            recent.push_back(std::string(StepNames.at(kind)) + " " + std::to_string(k));
            if (recent.size() > 25)
                recent.pop_front();
            runStep(rig, kind, k, random);
            if (random() % 2 == 0)
                continue;
            rig.sim.deliverEvents();
            why = differenceFromFreshPanel(rig);
        } catch (const std::exception& error) {
            why = std::string("exception: ") + error.what();
        }
        if (!why.empty()) {
            for (const std::string& line : recent)
                why += "\n  after " + line;
            FAIL() << "seed " << seed << ", step " << step << ": " << why;
        }
        seen.insert(rig.sim.voiceHandle() == 0 ? "unbound" : "bound");
        for (int k = 0; k < 3 && rig.sim.voiceHandle() != 0; ++k) {
            seen.insert("state " + std::to_string(rig.sim.roomState(k)));
            seen.insert(rig.sim.value(rig.sim.layout().index(Block::ReceiveActivity, k)) ? "heard" : "quiet");
            seen.insert(rig.sim.value(rig.sim.layout().index(Block::SendActivity, k)) ? "sending" : "silent");
        }
    }
    EXPECT_TRUE(rig.sim.contract().violations().empty());
    if (injecting) {
        EXPECT_GT(rig.injections, 10'000);
        return;
    }
    // The run went through everything worth comparing.
    EXPECT_EQ(seen,
        (std::set<std::string>{"bound", "heard", "quiet", "sending", "silent", "state 0", "state 1", "state 2",
            "state 3", "state 4", "unbound"}));
    EXPECT_GT(rig.freeChannel().listCount(), 0) << "no room remembered";
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomRun, ::testing::Combine(::testing::Values(1u, 2u, 3u, 4u, 5u), ::testing::Bool()),
    [](const auto& info) {
        return "Seed" + std::to_string(std::get<0>(info.param)) + (std::get<1>(info.param) ? "Injecting" : "");
    });

} // namespace
} // namespace norvo
