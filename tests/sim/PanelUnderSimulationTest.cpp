#include "host/StandaloneDockFrame.h"
#include "labels/UserLabelGraph.h"
#include "panel/PanelPalette.h"
#include "panel/TOKA.h"
#include "platform/ComboBox.h"
#include "platform/Label.h"
#include "platform/ManualClock.h"
#include "recording/CallLog.h"
#include "recording/LoggingVoiceClient.h"
#include "recording/MemorySettingsStore.h"
#include "recording/RecordingWindowSystem.h"
#include "sim/SimulatedVoiceClient.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <random>
#include <sstream>

namespace norvo {
namespace {

using Sim = SimulatedVoiceClient;
using Block = VoiceObjectLayout::Block;
namespace P = PanelPalette;

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

struct PanelRig {
    explicit PanelRig(const SimulationOptions& options, bool injecting = false)
        : sim(options)
        , injecting(injecting)
        , random(options.seed)
    {
        user("start-up", [this] { panel.Initialize(); });
        panel.HostinghWnd(100);
        std::int32_t width = 0;
        std::int32_t height = 0;
        panel.Sizing(0, width, height);
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
        ++calls;
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

    Control& at(const std::string& name, int index = Control::NoIndex) { return panel.form().at(name, index); }
    UserLabelGraph& speaker(int slot)
    {
        return slot < 0 ? panel.form().get<UserLabelGraph>("GeneralSpeaker")
                        : panel.form().get<UserLabelGraph>("ToSpeaker", slot);
    }
    ComboBox& freeChannel() { return panel.form().get<ComboBox>("FreqInfo", 2); }

    void typeAndEnter(const std::string& name)
    {
        user("key FreqInfo(2)", [&] {
            freeChannel().setText(name);
            std::int16_t enter = 13;
            freeChannel().keyPress(enter);
        });
    }

    Sim sim;
    const bool injecting;
    std::mt19937 random;
    int injectionsLeft = 0;
    std::int64_t injections = 0;
    std::int64_t calls = 0;
    LoggingVoiceClient between{sim, [this](const std::string& call) { injectInto(call); },
        LoggingVoiceClient::FailureReasons::Written, LoggingVoiceClient::EventLines::Written};
    CallLog log;
    MemorySettingsStore settings;
    RecordingWindowSystem windows{log};
    StandaloneDockFrame dockFrame;
    ManualClock clock;
    // Last, so that it shuts down while the components still exist.
    TOKA panel{TokaEnvironment{between, dockFrame, settings, windows, clock}};
};

// What the panel must show, given what the network holds, once every event
// has been delivered. Each difference is written down.
class Oracle {
public:
    explicit Oracle(PanelRig& rig)
        : rig_(rig)
        , sim_(rig.sim)
    {
    }

    std::vector<std::string> check()
    {
        findings_.clear();
        same("VoiceHandle", rig_.panel.fields().VoiceHandle, sim_.voiceHandle());
        const bool bound = sim_.voiceHandle() != 0;
        const bool enabled = bound && sim_.value(HeaderIndex::VoiceEnabled) != 0;
        for (int k = 0; k < 2; ++k)
            checkRadio(k, bound);
        for (int k = 0; k < 3; ++k)
            visible(at("Room", k), enabled);
        const bool routing = enabled && sim_.value(HeaderIndex::SpeakerRouting) != 0;
        visible(rig_.speaker(-1), routing);
        if (!bound)
            return findings_;
        visible(at("SendActivity"), enabled);
        colour(at("SendActivity"), sim_.value(HeaderIndex::Transmitting) ? P::Purple : P::Cyan);
        if (routing)
            checkSpeakers();
        bool anyHeard = false;
        for (int k = 0; k < 3; ++k)
            anyHeard = checkRoom(k) || anyHeard;
        colour(at("RecvActivity"), anyHeard ? P::Purple : P::Cyan);
        return findings_;
    }

private:
    Control& at(const char* name, int k = Control::NoIndex) { return rig_.at(name, k); }
    template <class T> void same(const std::string& what, const T& shown, const T& expected)
    {
        if (shown == expected)
            return;
        std::ostringstream finding;
        finding << std::boolalpha << std::hex << what << " shows " << shown << ", expected " << expected;
        findings_.push_back(finding.str());
    }
    void colour(const Control& c, Colour expected) { same(c.reference() + ".BackColor", c.backColor(), expected); }
    void visible(const Control& c, bool expected) { same(c.reference() + ".Visible", c.visible(), expected); }
    void tip(const Control& c, const std::string& expected)
    {
        same(c.reference() + ".ToolTipText", c.toolTipText(), expected);
    }

    void checkRadio(int k, bool bound)
    {
        const PilotRadios& pilot = sim_.pilot();
        const std::string digit = k == 0 ? "1" : "2";
        const std::string caption = static_cast<Label&>(at("Freq", k)).caption();
        same(at("Freq", k).reference() + ".Caption", caption,
            sim_.pilotPresent() ? (k == 0 ? pilot.com1 : pilot.com2) : "COMM" + digit);
        const auto on = [&](const std::string& selection, std::int32_t muteBase) {
            const bool selected = sim_.pilotPresent() && (selection == digit || selection == "B");
            return selected && (!bound || sim_.value(muteBase + k) == 0) ? P::Green : P::Brown;
        };
        colour(at("COMReceive", k), on(pilot.receive, sim_.layout().base(Block::ReceiveMute)));
        colour(at("COMTransmit", k), on(pilot.transmit, sim_.layout().base(Block::TransmitMute)));
    }

    void checkSpeakers()
    {
        const bool all = sim_.value(HeaderIndex::AllToSpeaker) != 0;
        same("GeneralSpeaker.Status", rig_.speaker(-1).Status(), all ? 1 : 0);
        for (int k = 0; k < 3; ++k) {
            visible(rig_.speaker(k), !all);
            if (!all)
                same(rig_.speaker(k).reference() + ".Status", rig_.speaker(k).Status(),
                    sim_.value(sim_.layout().index(Block::Info, k)) != 0 ? 1 : 0);
        }
    }

    // Returns whether the room is connected with receive activity.
    bool checkRoom(int k)
    {
        static constexpr std::array<Colour, 5> StateColours = {P::DarkGrey, P::Teal, P::Green, P::Orange, P::Red};
        static constexpr std::array<const char*, 5> StateTips = {"Offline", "Pending", "Connected", "Failed", "Kicked"};
        const VoiceObjectLayout& l = sim_.layout();
        const auto state = static_cast<std::size_t>(sim_.roomState(k));
        colour(at("RoomStatus", k), StateColours.at(state));
        tip(at("RoomStatus", k), StateTips.at(state));
        const bool connected = state == RoomState::Connected;
        const std::int32_t heard = sim_.value(l.index(Block::ReceiveActivity, k));
        for (const auto& [box, value] : {std::pair{"RoomRecvActivity", heard},
                 std::pair{"RoomSendActivity", sim_.value(l.index(Block::SendActivity, k))}}) {
            colour(at(box, k), !connected ? P::DarkGrey : (value == 1 ? P::Orange : P::Cyan));
            tip(at(box, k), !connected ? "" : (value == 1 ? "Active" : "Inactive"));
        }
        colour(at("PriorityChannel", k), sim_.value(l.index(Block::Priority, k)) != 0 ? P::Green : P::DarkGrey);

        // A tooltip shows an information text on one line: no carriage
        // returns, each line feed two spaces.
        std::string info;
        for (const char c : sim_.text(l.index(Block::Info, k)))
            info += c == '\n' ? std::string("  ") : c == '\r' ? std::string() : std::string(1, c);
        const std::string name = sim_.text(l.index(Block::Room, k));
        if (k < 2) {
            tip(at("Freq", k), connected ? name + " : " + info : "");
            return connected && heard == 1;
        }
        colour(at("COMReceive", 2), sim_.value(l.index(Block::ReceiveMute, 2)) != 0 ? P::DarkGrey : P::Green);
        colour(at("COMTransmit", 2), sim_.value(l.index(Block::TransmitMute, 2)) != 0 ? P::DarkGrey : P::Green);
        tip(rig_.freeChannel(), connected ? info : "");
        const auto& remembered = rig_.freeChannel().items();
        if (connected)
            same("FreqInfo(2).List(0)", remembered.empty() ? std::string("(empty)") : remembered.front(), name);
        return connected && heard == 1;
    }

    PanelRig& rig_;
    const Sim& sim_;
    std::vector<std::string> findings_;
};

// Random runs: long seeded sequences of the network's doings and the user's
// input, with the contract checked on every call and the display checked
// against the network after each delivery.

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
    case Type: rig.typeAndEnter(pick(Names)); break;
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

TEST_P(RandomRun, KeepsTheContractAndShowsWhatTheNetworkHolds)
{
    const auto [seed, injecting] = GetParam();
    SimulationOptions options;
    options.seed = seed;
    options.connectDelay = 600;
    PanelRig rig(options, injecting);
    Oracle oracle(rig);
    std::mt19937 random(seed);
    std::discrete_distribution<int> steps({18, 5, 2, 14, 3, 3, 3, 2, 3, 3, 3, 3});
    std::deque<std::string> recent;
    std::array<int, 5> statesSeen{};
    int heard = 0;
    int sending = 0;
    int unbound = 0;
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
            const auto findings = oracle.check();
            why = findings.empty() ? "" : findings.front() + (findings.size() > 1 ? " (and more)" : "");
        } catch (const std::exception& error) {
            why = std::string("exception: ") + error.what();
        }
        if (!why.empty()) {
            for (const std::string& line : recent)
                why += "\n  after " + line;
            FAIL() << "seed " << seed << ", step " << step << ": " << why;
        }
        unbound += rig.sim.voiceHandle() == 0;
        for (int k = 0; k < 3 && rig.sim.voiceHandle() != 0; ++k) {
            ++statesSeen.at(static_cast<std::size_t>(rig.sim.roomState(k)));
            heard += rig.sim.value(rig.sim.layout().index(Block::ReceiveActivity, k));
            sending += rig.sim.value(rig.sim.layout().index(Block::SendActivity, k));
        }
    }
    EXPECT_TRUE(rig.sim.contract().violations().empty());
    if (injecting) {
        RecordProperty("injections", std::to_string(rig.injections));
        RecordProperty("calls", std::to_string(rig.calls));
        EXPECT_GT(rig.injections, 10'000);
        return;
    }
    // The run went through everything worth checking.
    for (std::size_t state = 0; state < statesSeen.size(); ++state)
        EXPECT_GT(statesSeen[state], 0) << "room state " << state << " never checked, seed " << seed;
    EXPECT_GT(heard, 0);
    EXPECT_GT(sending, 0);
    EXPECT_GT(unbound, 0);
    EXPECT_GT(rig.freeChannel().listCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomRun, ::testing::Combine(::testing::Values(1u, 2u, 3u, 4u, 5u), ::testing::Bool()),
    [](const auto& info) {
        return "Seed" + std::to_string(std::get<0>(info.param)) + (std::get<1>(info.param) ? "Injecting" : "");
    });

} // namespace
} // namespace norvo
