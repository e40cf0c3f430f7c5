#include "PanelRig.h"

#include "labels/UserLabel.h"
#include "panel/PanelPalette.h"
#include "platform/Label.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <functional>
#include <random>
#include <sstream>

namespace norvo {
namespace {

using Sim = SimulatedVoiceClient;
using testing::PanelRig;
namespace P = PanelPalette;

SimulationOptions quiet()
{
    SimulationOptions options;
    options.randomActivity = false;
    return options;
}

std::string hex(Colour colour)
{
    std::ostringstream out;
    out << "&H" << std::hex << std::uppercase << colour;
    return out.str();
}

// An information text as a tooltip shows it: no carriage returns, each line
// feed two spaces.
std::string oneLine(const std::string& info)
{
    std::string line;
    for (const char c : info) {
        if (c == '\n')
            line += "  ";
        else if (c != '\r')
            line += c;
    }
    return line;
}

// What the panel must show, given what the network holds, once every event
// has been delivered. Each difference is written down.
class Oracle {
public:
    explicit Oracle(PanelRig& rig)
        : rig_(rig)
    {
    }

    std::vector<std::string> check()
    {
        findings_.clear();
        const Sim& sim = rig_.sim;
        same("VoiceHandle", rig_.panel.fields().VoiceHandle, sim.voiceHandle());
        checkRadios();
        if (sim.voiceHandle() == 0) {
            for (int k = 0; k < 3; ++k)
                same(ref("Room", k) + ".Visible", rig_.at("Room", k).visible(), false);
            same("GeneralSpeaker.Visible", rig_.speaker(-1).visible(), false);
            return findings_;
        }
        const bool enabled = sim.value(Sim::VoiceEnabledIndex) != 0;
        for (int k = 0; k < 3; ++k)
            same(ref("Room", k) + ".Visible", rig_.at("Room", k).visible(), enabled);
        same("SendActivity.Visible", rig_.at("SendActivity").visible(), enabled);
        sameColour("SendActivity.BackColor", rig_.at("SendActivity").backColor(),
            sim.value(Sim::TransmittingIndex) ? P::Purple : P::Cyan);
        checkSpeakers(enabled);
        bool anyHeard = false;
        for (std::int32_t k = 0; k < 3; ++k)
            anyHeard = checkRoom(k) || anyHeard;
        sameColour("RecvActivity.BackColor", rig_.at("RecvActivity").backColor(), anyHeard ? P::Purple : P::Cyan);
        return findings_;
    }

private:
    static std::string ref(const char* name, int k) { return std::string(name) + "(" + std::to_string(k) + ")"; }

    void same(const std::string& what, const std::string& shown, const std::string& expected)
    {
        if (shown != expected)
            findings_.push_back(what + " shows \"" + shown + "\", expected \"" + expected + "\"");
    }
    void sameColour(const std::string& what, Colour shown, Colour expected)
    {
        if (shown != expected)
            findings_.push_back(what + " shows " + hex(shown) + ", expected " + hex(expected));
    }
    void same(const std::string& what, std::int32_t shown, std::int32_t expected)
    {
        if (shown != expected)
            findings_.push_back(what + " is " + std::to_string(shown) + ", expected " + std::to_string(expected));
    }
    void same(const std::string& what, bool shown, bool expected)
    {
        if (shown != expected)
            findings_.push_back(
                what + " is " + (shown ? "True" : "False") + ", expected " + (expected ? "True" : "False"));
    }

    void checkRadios()
    {
        const Sim& sim = rig_.sim;
        const bool present = sim.pilotPresent();
        const Sim::Pilot& pilot = sim.pilot();
        same("Freq(0).Caption", static_cast<Label&>(rig_.at("Freq", 0)).caption(), present ? pilot.com1 : "COMM1");
        same("Freq(1).Caption", static_cast<Label&>(rig_.at("Freq", 1)).caption(), present ? pilot.com2 : "COMM2");
        const bool bound = sim.voiceHandle() != 0;
        for (int k = 0; k < 2; ++k) {
            const std::string digit = k == 0 ? "1" : "2";
            const auto on = [&](const std::string& selection, std::int32_t muteBase) {
                const bool selected = present && (selection == digit || selection == "B");
                return selected && (!bound || sim.value(muteBase + k) == 0);
            };
            sameColour(ref("COMReceive", k) + ".BackColor", rig_.at("COMReceive", k).backColor(),
                on(pilot.receive, sim.layout().receiveBase) ? P::Green : P::Brown);
            sameColour(ref("COMTransmit", k) + ".BackColor", rig_.at("COMTransmit", k).backColor(),
                on(pilot.transmit, sim.layout().transmitBase) ? P::Green : P::Brown);
        }
    }

    void checkSpeakers(bool enabled)
    {
        const Sim& sim = rig_.sim;
        const bool routing = enabled && sim.value(Sim::SpeakerRoutingIndex) != 0;
        const bool all = sim.value(Sim::AllToSpeakerIndex) != 0;
        same("GeneralSpeaker.Visible", rig_.speaker(-1).visible(), routing);
        if (!routing)
            return;
        same("GeneralSpeaker.Status", rig_.speaker(-1).Status(), all ? 1 : 0);
        for (int k = 0; k < 3; ++k) {
            same(ref("ToSpeaker", k) + ".Visible", rig_.speaker(k).visible(), !all);
            if (!all)
                same(ref("ToSpeaker", k) + ".Status", rig_.speaker(k).Status(),
                    sim.value(sim.layout().speakerBase() + k) != 0 ? 1 : 0);
        }
    }

    // Returns whether the room is connected with receive activity.
    bool checkRoom(std::int32_t k)
    {
        static constexpr std::array<Colour, 5> StateColours = {P::DarkGrey, P::Teal, P::Green, P::Orange, P::Red};
        static constexpr std::array<const char*, 5> StateTips = {"Offline", "Pending", "Connected", "Failed", "Kicked"};
        const Sim& sim = rig_.sim;
        const Sim::Layout& l = sim.layout();
        const std::int32_t state = sim.roomState(k);
        const auto s = static_cast<std::size_t>(state);
        sameColour(ref("RoomStatus", k) + ".BackColor", rig_.at("RoomStatus", k).backColor(), StateColours.at(s));
        same(ref("RoomStatus", k) + ".ToolTipText", rig_.at("RoomStatus", k).toolTipText(), StateTips.at(s));
        const bool connected = state == Sim::Connected;
        const std::int32_t heard = sim.value(l.recvActivityBase + k);
        const std::int32_t sending = sim.value(l.sendActivityBase + k);
        const auto activity = [&](const char* box, std::int32_t value) {
            Control& control = rig_.at(box, k);
            sameColour(ref(box, k) + ".BackColor", control.backColor(),
                !connected       ? P::DarkGrey
                    : value == 1 ? P::Orange
                                 : P::Cyan);
            same(ref(box, k) + ".ToolTipText", control.toolTipText(),
                !connected       ? ""
                    : value == 1 ? "Active"
                                 : "Inactive");
        };
        activity("RoomRecvActivity", heard);
        activity("RoomSendActivity", sending);
        sameColour(ref("PriorityChannel", k) + ".BackColor", rig_.at("PriorityChannel", k).backColor(),
            sim.value(l.priorityBase + k) != 0 ? P::Green : P::DarkGrey);

        const std::string name = sim.text(l.nameBase + k);
        const std::string info = oneLine(sim.text(l.infoBase + k));
        if (k < 2) {
            same(ref("Freq", k) + ".ToolTipText", rig_.at("Freq", k).toolTipText(),
                connected ? name + " : " + info : "");
            return connected && heard == 1;
        }
        sameColour("COMReceive(2).BackColor", rig_.at("COMReceive", 2).backColor(),
            sim.value(l.receiveBase + 2) != 0 ? P::DarkGrey : P::Green);
        sameColour("COMTransmit(2).BackColor", rig_.at("COMTransmit", 2).backColor(),
            sim.value(l.transmitBase + 2) != 0 ? P::DarkGrey : P::Green);
        same("FreqInfo(2).ToolTipText", rig_.freeChannel().toolTipText(), connected ? info : "");
        if (connected) {
            const auto& remembered = rig_.freeChannel().items();
            same("FreqInfo(2).List(0)", remembered.empty() ? std::string("(empty)") : remembered.front(), name);
        }
        return connected && heard == 1;
    }

    PanelRig& rig_;
    std::vector<std::string> findings_;
};

// Directed runs: what a user sees of the network's answers.

TEST(PanelUnderSimulation, FreeChannelConnectsAfterTheDelayAndIsRemembered)
{
    PanelRig rig(quiet());
    rig.typeAndEnter(" EGLL_TWR ");
    rig.sim.deliverEvents();
    EXPECT_EQ(rig.at("RoomStatus", 2).backColor(), P::Teal);
    rig.advance(800);
    rig.sim.deliverEvents();
    EXPECT_EQ(rig.at("RoomStatus", 2).backColor(), P::Green);
    EXPECT_EQ(rig.freeChannel().text(), "EGLL_TWR");
    EXPECT_EQ(rig.freeChannel().toolTipText(), "London Heathrow Tower  Runways 27L/27R in use  Expect ILS approach");
    EXPECT_EQ(rig.freeChannel().items(), std::vector<std::string>{"EGLL_TWR"});
    EXPECT_EQ(Oracle(rig).check(), std::vector<std::string>{});
    EXPECT_TRUE(rig.sim.contract().violations().empty());
}

TEST(PanelUnderSimulation, UnknownRoomFailsAndAKickedRoomTurnsRed)
{
    PanelRig rig(quiet());
    rig.typeAndEnter("NOWHERE");
    rig.user("click RoomStatus(0)", [&] { rig.at("RoomStatus", 0).click(); });
    rig.advance(800);
    rig.sim.deliverEvents();
    EXPECT_EQ(rig.at("RoomStatus", 2).backColor(), P::Orange);
    EXPECT_EQ(rig.at("RoomStatus", 2).toolTipText(), "Failed");
    EXPECT_EQ(rig.at("Freq", 0).toolTipText(),
        "EDDF_TWR : Frankfurt Tower  Runway 25C in use, QNH 1013  Information K is current");
    rig.sim.kick(0);
    rig.sim.deliverEvents();
    EXPECT_EQ(rig.at("RoomStatus", 0).backColor(), P::Red);
    EXPECT_EQ(rig.at("Freq", 0).toolTipText(), "");
    EXPECT_EQ(Oracle(rig).check(), std::vector<std::string>{});
}

TEST(PanelUnderSimulation, PushToTalkLightsTheSendBarAndTheTransmittingRoom)
{
    PanelRig rig(quiet());
    rig.sim.forceRoomState(0, Sim::Connected);
    rig.sim.forceRoomState(1, Sim::Connected);
    rig.sim.setPushToTalk(true);
    rig.sim.deliverEvents();
    EXPECT_EQ(rig.at("SendActivity").backColor(), P::Purple);
    EXPECT_EQ(rig.at("RoomSendActivity", 0).backColor(), P::Orange);
    EXPECT_EQ(rig.at("RoomSendActivity", 1).backColor(), P::Cyan);
    rig.user("click COMTransmit(1)", [&] { rig.at("COMTransmit", 1).click(); });
    rig.sim.deliverEvents();
    EXPECT_EQ(rig.sim.pilot().transmit, "2");
    EXPECT_EQ(rig.at("RoomSendActivity", 0).backColor(), P::Cyan);
    EXPECT_EQ(rig.at("RoomSendActivity", 1).backColor(), P::Orange);
    EXPECT_EQ(Oracle(rig).check(), std::vector<std::string>{});
}

TEST(PanelUnderSimulation, ObjectRecreatedUnderANewHandleIsBoundAgain)
{
    PanelRig rig(quiet());
    const std::int32_t first = rig.panel.fields().VoiceHandle;
    ASSERT_NE(first, 0);
    rig.sim.deleteVoiceObject();
    rig.sim.deliverEvents();
    EXPECT_EQ(rig.panel.fields().VoiceHandle, 0);
    EXPECT_FALSE(rig.at("Room", 2).visible());
    rig.sim.createVoiceObject();
    rig.sim.deliverEvents();
    EXPECT_EQ(rig.panel.fields().VoiceHandle, rig.sim.voiceHandle());
    EXPECT_NE(rig.sim.voiceHandle(), first);
    rig.sim.disconnectNetwork();
    rig.sim.connectNetwork();
    rig.sim.deliverEvents();
    EXPECT_EQ(Oracle(rig).check(), std::vector<std::string>{});
}

// Random runs: long seeded sequences of the network's doings and the user's
// input, with the contract checked on every call and the display checked
// against the network after each delivery.

struct Action {
    int weight;
    std::function<std::string(PanelRig&, std::mt19937&)> run;
};

template <class T, std::size_t N> const T& pickFrom(std::mt19937& random, const std::array<T, N>& choices)
{
    return choices[random() % N];
}

std::vector<Action> actions()
{
    static const std::array<const char*, 4> Buttons = {"PriorityChannel", "COMReceive", "COMTransmit", "RoomStatus"};
    static const std::array<std::string, 9> Names
        = {"EDDF_TWR", " EGLL_TWR ", "124.3", "123.450", "FREQ_123.450", "NOWHERE", "", "eddf_twr", "LFPG_TWR"};
    static const std::array<std::string, 7> Frequencies
        = {"122.800", "121.900", "118.5", "130.05", "", "abc", "136.975"};
    static const std::array<std::string, 5> Selections = {"1", "2", "B", "b", ""};
    static const std::array<const char*, 5> DragSurfaces
        = {"channel", "Freq", "RoomRecvActivity", "RoomSendActivity", "SendActivity"};
    const auto slot = [](std::mt19937& r) { return static_cast<int>(r() % 3); };

    return {
        {12,
            [=](PanelRig& rig, std::mt19937& r) {
                const std::string button = pickFrom(r, Buttons);
                const int k = slot(r);
                const std::string what = "click " + button + "(" + std::to_string(k) + ")";
                rig.user(what, [&] { rig.at(button.c_str(), k).click(); });
                return what;
            }},
        {5,
            [=](PanelRig& rig, std::mt19937& r) {
                const int k = static_cast<int>(r() % 4) - 1;
                UserLabelGraph& label = rig.speaker(k);
                const bool onCaption = r() % 2 == 0;
                const std::string what = "click " + label.reference() + (onCaption ? ".lblCaption" : "");
                rig.user(what, [&] {
                    if (onCaption)
                        label.lblCaption().click();
                    else
                        label.Click();
                });
                return what;
            }},
        {5,
            [=](PanelRig& rig, std::mt19937& r) {
                const std::string name = pickFrom(r, Names);
                rig.typeAndEnter(name);
                return "type \"" + name + "\" and Enter";
            }},
        {2,
            [](PanelRig& rig, std::mt19937& r) {
                ComboBox& box = rig.freeChannel();
                if (box.listCount() == 0)
                    return std::string("nothing to pick");
                const auto n = static_cast<std::int32_t>(r() % static_cast<std::uint32_t>(box.listCount()));
                rig.user("pick FreqInfo(2)", [&] {
                    box.setText(box.list(n));
                    box.click();
                });
                std::int16_t key = r() % 2 ? 13 : 65;
                rig.user("key FreqInfo(2)", [&] { box.keyPress(key); });
                return "pick " + std::to_string(n) + ", key " + std::to_string(key);
            }},
        {2,
            [=](PanelRig& rig, std::mt19937& r) {
                const char* surface = pickFrom(r, DragSurfaces);
                Control& control = std::string(surface) == "SendActivity" ? rig.at(surface)
                    : std::string(surface) == "Freq"                      ? rig.at(surface, slot(r) % 2)
                                                                          : rig.at(surface, slot(r));
                rig.user("mousedown " + control.reference(), [&] { control.mouseDown(MouseEvent{RightButton}); });
                rig.log.take();
                return "drag by " + control.reference();
            }},
        {1,
            [](PanelRig& rig, std::mt19937&) {
                rig.user("click btnQuit", [&] { rig.panel.form().get<UserLabel>("btnQuit").lblCaption().click(); });
                return std::string("quit button");
            }},
        {14,
            [](PanelRig& rig, std::mt19937& r) {
                const std::int64_t ms = r() % 1500;
                rig.advance(ms);
                return "advance " + std::to_string(ms);
            }},
        {3,
            [=](PanelRig& rig, std::mt19937& r) {
                const std::int32_t radio = 1 + static_cast<std::int32_t>(r() % 2);
                const std::string frequency = pickFrom(r, Frequencies);
                rig.sim.setFrequency(radio, frequency);
                return "COM" + std::to_string(radio) + " " + frequency;
            }},
        {3,
            [=](PanelRig& rig, std::mt19937& r) {
                const std::string rx = pickFrom(r, Selections);
                const std::string tx = pickFrom(r, Selections);
                rig.sim.setSelections(rx, tx);
                return "selections " + rx + "/" + tx;
            }},
        {3,
            [=](PanelRig& rig, std::mt19937& r) {
                const int k = slot(r);
                const auto state = static_cast<std::int32_t>(r() % 5);
                rig.sim.forceRoomState(k, state);
                return "force room " + std::to_string(k) + " to " + std::to_string(state);
            }},
        {2,
            [=](PanelRig& rig, std::mt19937& r) {
                const int k = slot(r);
                rig.sim.kick(k);
                return "kick " + std::to_string(k);
            }},
        {3,
            [=](PanelRig& rig, std::mt19937& r) {
                const int k = slot(r);
                const auto activity = static_cast<std::int32_t>(r() % 2);
                rig.sim.setReceiveActivity(k, activity);
                return "activity " + std::to_string(k) + " " + std::to_string(activity);
            }},
        {3,
            [](PanelRig& rig, std::mt19937&) {
                rig.sim.setPushToTalk(!rig.sim.pushToTalk());
                return std::string("push-to-talk ") + (rig.sim.pushToTalk() ? "down" : "up");
            }},
        {1,
            [](PanelRig& rig, std::mt19937&) {
                if (rig.sim.networkUp())
                    rig.sim.disconnectNetwork();
                else
                    rig.sim.connectNetwork();
                return std::string("network ") + (rig.sim.networkUp() ? "up" : "down");
            }},
        {1,
            [](PanelRig& rig, std::mt19937&) {
                if (rig.sim.voiceHandle() != 0)
                    rig.sim.deleteVoiceObject();
                else
                    rig.sim.createVoiceObject();
                return "voice object " + std::to_string(rig.sim.voiceHandle());
            }},
        {1,
            [](PanelRig& rig, std::mt19937&) {
                rig.sim.setPilotPresent(!rig.sim.pilotPresent());
                return std::string("pilot ") + (rig.sim.pilotPresent() ? "present" : "absent");
            }},
        {2,
            [](PanelRig& rig, std::mt19937& r) {
                const std::int32_t index = r() % 2 ? Sim::VoiceEnabledIndex : Sim::SpeakerRoutingIndex;
                const auto flag = static_cast<std::int32_t>(r() % 3 == 0 ? 0 : 1);
                if (rig.sim.voiceHandle() != 0)
                    rig.sim.setValue(index, flag);
                return "flag " + std::to_string(index) + " = " + std::to_string(flag);
            }},
        {1,
            [=](PanelRig& rig, std::mt19937& r) {
                const int k = slot(r);
                rig.sim.setRoomInfo(k, "Updated\r\nline " + std::to_string(r() % 100));
                return "information of room " + std::to_string(k);
            }},
    };
}

struct Coverage {
    std::array<int, 5> states{};
    int heard = 0;
    int sending = 0;
    int unbound = 0;
};

class RandomRun : public ::testing::TestWithParam<std::uint32_t> { };

TEST_P(RandomRun, KeepsTheContractAndShowsWhatTheNetworkHolds)
{
    constexpr int Steps = 1200;
    const std::uint32_t seed = GetParam();
    SimulationOptions options;
    options.seed = seed;
    options.connectDelay = 600;
    PanelRig rig(options);
    Oracle oracle(rig);
    std::mt19937 random(seed);
    const std::vector<Action> table = actions();
    int totalWeight = 0;
    for (const Action& action : table)
        totalWeight += action.weight;

    std::deque<std::string> recent;
    Coverage seen;
    const auto fail = [&](int step, const std::string& why) {
        std::string trail;
        for (const std::string& line : recent)
            trail += "\n  " + line;
        ADD_FAILURE() << "seed " << seed << ", step " << step << ": " << why << "\nlast actions:" << trail;
    };

    for (int step = 0; step < Steps; ++step) {
        int roll = static_cast<int>(random() % static_cast<std::uint32_t>(totalWeight));
        auto action = table.begin();
        while (roll >= action->weight)
            roll -= (action++)->weight;
        try {
            recent.push_back(action->run(rig, random));
            if (recent.size() > 25)
                recent.pop_front();
            if (random() % 2 == 0)
                continue;
            rig.sim.deliverEvents();
        } catch (const std::exception& error) {
            return fail(step, std::string("exception: ") + error.what());
        }
        if (const auto findings = oracle.check(); !findings.empty())
            return fail(step, findings.front() + (findings.size() > 1 ? " (and more)" : ""));

        if (rig.sim.voiceHandle() == 0) {
            ++seen.unbound;
            continue;
        }
        for (int k = 0; k < 3; ++k) {
            ++seen.states.at(static_cast<std::size_t>(rig.sim.roomState(k)));
            seen.heard += rig.sim.value(rig.sim.layout().recvActivityBase + k);
            seen.sending += rig.sim.value(rig.sim.layout().sendActivityBase + k);
        }
    }
    EXPECT_TRUE(rig.sim.contract().violations().empty());
    // The run went through everything worth checking.
    for (std::size_t state = 0; state < seen.states.size(); ++state)
        EXPECT_GT(seen.states[state], 0) << "room state " << state << " never checked, seed " << seed;
    EXPECT_GT(seen.heard, 0);
    EXPECT_GT(seen.sending, 0);
    EXPECT_GT(seen.unbound, 0);
    EXPECT_GT(rig.freeChannel().listCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomRun, ::testing::Values(1u, 2u, 3u, 4u, 5u));

} // namespace
} // namespace norvo
