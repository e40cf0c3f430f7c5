#include "PanelFixture.h"

#include "platform/Form.h"

namespace norvo::testing {
namespace {

using Lifecycle = PanelTest;

TEST_F(Lifecycle, ShutdownRunsOnceAndOnlyAfterAStartUpEvenAFailedOne)
{
    EXPECT_EQ(loggedVoice.eventSink(), &panel->eventSink());
    panel.reset();
    EXPECT_TRUE(calls().empty());
    EXPECT_EQ(loggedVoice.eventSink(), nullptr);

    panel = makePanel();
    voice.failNext("Attach");
    EXPECT_THROW(panel->Initialize(), VoiceClientError);
    calls();
    panel->Terminate();
    panel->Terminate();
    panel.reset();
    EXPECT_EQ(calls(), Lines{"Norvo.Detach()"});
}

TEST_F(Lifecycle, TabOrderRunsThroughTheStandardControlsThenTheSkinnedLabels)
{
    const std::vector<Control*> order = panel->form().tabOrder();
    ASSERT_EQ(order.size(), 36u);
    for (const auto& [position, reference] : {std::pair{0, "Label2"}, std::pair{6, "COMTransmit(1)"},
             std::pair{7, "COMReceive(1)"}, std::pair{30, "FreqInfo(2)"}, std::pair{35, "btnQuit"}})
        EXPECT_EQ(order[static_cast<std::size_t>(position)]->reference(), reference);
}

TEST_F(Lifecycle, ControlsListedFirstInTheirContainerLieOnTop)
{
    const auto stack = [](const Control& container) {
        Lines references;
        for (const auto& child : container.children())
            references.push_back(child->reference());
        return references;
    };
    EXPECT_EQ(stack(panel->form()),
        (Lines{"Label2", "SendActivity", "RecvActivity", "btnQuit", "channel(0)", "channel(1)", "channel(2)",
            "GeneralSpeaker"}));
    // The radio row keeps its frequency and buttons outside the room frame,
    // and the warning lies beneath the free channel's frame.
    EXPECT_EQ(stack(control("channel", 0)), (Lines{"Freq(0)", "COMTransmit(0)", "COMReceive(0)", "Room(0)"}));
    EXPECT_EQ(stack(control("channel", 2)), (Lines{"VATSIMWarning", "Room(2)"}));
    EXPECT_EQ(stack(control("Room", 0)),
        (Lines{"ToSpeaker(0)", "RoomSendActivity(0)", "RoomStatus(0)", "RoomRecvActivity(0)", "PriorityChannel(0)"}));
}

} // namespace
} // namespace norvo::testing
