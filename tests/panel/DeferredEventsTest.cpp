#include "PanelFixture.h"
#include "support/PanelEvents.h"

#include "panel/DeferredEvents.h"

#include <stdexcept>

namespace norvo::testing {
namespace {

using Kind = VoiceEvent::Kind;

VoiceEvent valueChanged(std::int32_t index) { return VoiceEvent{Kind::ObjectValueChanged, 7, index}; }

struct DeferredEventsTest : ::testing::Test, VoiceEventSink {
    Lines ran;
    // What the dispatch does besides writing its event down.
    std::function<void(const VoiceEvent&)> alsoDo = [](const VoiceEvent&) {};
    DeferredEvents events{*this};

    void receive(const VoiceEvent& event) override
    {
        ran.push_back(event.describe());
        alsoDo(event);
    }

    std::string errorOf(const std::function<void()>& handler)
    {
        try {
            events.runHandler(handler);
        } catch (const std::runtime_error& error) {
            return error.what();
        }
        return "none";
    }
};

TEST_F(DeferredEventsTest, EventsArrivingInsideAHandlerRunAfterItInOrder)
{
    alsoDo = [&](const VoiceEvent& event) {
        if (event.index == 1)
            events.receive(valueChanged(3));
    };
    events.runHandler([&] {
        events.receive(valueChanged(1));
        events.runHandler([&] { events.receive(valueChanged(2)); });
        ran.push_back("handler");
    });
    EXPECT_EQ(
        ran, (Lines{"handler", "ObjectValueChanged(7, 1)", "ObjectValueChanged(7, 2)", "ObjectValueChanged(7, 3)"}));
    EXPECT_EQ(events.waiting(), 0u);
}

TEST_F(DeferredEventsTest, FailuresCancelNoWaitingEventAndTheFirstReachesTheCaller)
{
    alsoDo = [](const VoiceEvent& event) {
        if (event.index != 2)
            throw std::runtime_error("event " + std::to_string(event.index));
    };
    const auto raiseThree = [&] {
        for (std::int32_t index = 1; index <= 3; ++index)
            events.receive(valueChanged(index));
    };
    EXPECT_EQ(errorOf([&] {
        raiseThree();
        throw std::runtime_error("handler");
    }),
        "handler");
    EXPECT_EQ(ran.size(), 3u);
    EXPECT_EQ(errorOf(raiseThree), "event 1");
    EXPECT_EQ(ran.size(), 6u);
}

TEST_F(DeferredEventsTest, ClosingDropsTheWaitingEventsAndEveryLaterOne)
{
    events.runHandler([&] {
        events.receive(valueChanged(1));
        events.close();
        events.receive(valueChanged(2));
    });
    events.receive(valueChanged(3));
    EXPECT_TRUE(ran.empty());
}

// The panel's entries, each with a voice-client call made inside it; two
// events raised from inside that call run once the entry has returned, in
// the order raised, and no lock is taken inside another. (A click, and a
// click that fails, are scenarios: event-raised-inside-a-click.)
struct Entry {
    const char* name;
    const char* member;
    std::function<void(PanelTest&)> run;
};

class EventRaisedInsideACall : public PanelTest, public ::testing::WithParamInterface<Entry> { };

TEST_P(EventRaisedInsideACall, RunsAfterTheOutermostHandler)
{
    const Entry& entry = GetParam();
    startBound();
    setPilot("1", "1");
    voice.raiseDuring(entry.member, valueChanged(25));
    voice.raiseDuring(entry.member, valueChanged(26));
    entry.run(*this);
    const Lines lines = calls();
    const Lines handled{"Norvo.LockObject(7) = True", "Norvo.GetLong(25) = 0", "Norvo.UnlockObject()",
        "Norvo.LockObject(7) = True", "Norvo.GetLong(26) = 0", "Norvo.UnlockObject()"};
    ASSERT_GT(lines.size(), handled.size());
    EXPECT_EQ(Lines(lines.end() - 6, lines.end()), handled);
    // Raised from inside the entry's call, before its result was written.
    const auto raised = std::find(lines.begin(), lines.end(), "event ObjectValueChanged(7, 25)");
    ASSERT_NE(raised, lines.end());
    EXPECT_EQ(*(raised + 1), "event ObjectValueChanged(7, 26)");
    EXPECT_TRUE((raised + 2)->starts_with("Norvo." + std::string(entry.member) + "(")) << *(raised + 2);
}

INSTANTIATE_TEST_SUITE_P(Entries, EventRaisedInsideACall,
    ::testing::Values(Entry{"Enter", "SetString", [](PanelTest& t) { t.pressEnter("LFPG_TWR"); }},
        Entry{"RadioButton", "ReceiveRadio", [](PanelTest& t) { t.control("COMReceive", 0).click(); }},
        Entry{"Binding", "ObjectName", [](PanelTest& t) { raiseEvent(*t.panel, VoiceEvent::Kind::ObjectCreated, 7); }},
        Entry{"RadioEvent", "Com2Frequency",
            [](PanelTest& t) { raiseEvent(*t.panel, VoiceEvent::Kind::MainPilotUserChanged); }},
        Entry{"Unlock", "UnlockObject", [](PanelTest& t) { t.control("GeneralSpeaker").click(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PanelTest, ShutDownPanelDropsEventsAndCallsNothingMore)
{
    startBound();
    voice.raiseDuring("Detach", valueChanged(25));
    panel->Terminate();
    raiseEvent(*panel, VoiceEvent::Kind::ObjectValueChanged, 7, 26);
    raiseEvent(*panel, VoiceEvent::Kind::ObjectCreated, 7);
    EXPECT_EQ(calls(), (Lines{"event ObjectValueChanged(7, 25)", "Norvo.Detach()"}));
}

} // namespace
} // namespace norvo::testing
