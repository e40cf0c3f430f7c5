#include "panel/DeferredEvents.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace norvo::testing {
namespace {

using Kind = VoiceEvent::Kind;
using Lines = std::vector<std::string>;

VoiceEvent valueChanged(std::int32_t index) { return VoiceEvent{Kind::ObjectValueChanged, 7, index}; }

// Events raised inside the panel's calls, and failing ones, are scenarios
// (event-raised-inside-a-click.script and others); here, handlers inside
// handlers, and shutting down while events wait.
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

} // namespace
} // namespace norvo::testing
