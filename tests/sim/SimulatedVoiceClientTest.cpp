#include "sim/SimulatedVoiceClient.h"

#include "EventRecorder.h"
#include "platform/CheckedMath.h"

#include <gtest/gtest.h>

namespace norvo {
namespace {

using Sim = SimulatedVoiceClient;

SimulationOptions quiet()
{
    SimulationOptions options;
    options.randomActivity = false;
    return options;
}

struct SimulationTest : ::testing::Test {
    explicit SimulationTest(SimulationOptions options = quiet())
        : sim(std::move(options))
    {
        sim.setEventSink(&events);
        sim.Attach();
        sim.BeginUpdates();
    }

    std::vector<std::string> deliver()
    {
        sim.deliverEvents();
        return events.take();
    }

    // A caller that keeps to the locks.
    void write(std::int32_t index, std::int32_t value)
    {
        std::int32_t handle = sim.voiceHandle();
        ASSERT_TRUE(sim.LockObject(handle));
        sim.SetLong(index, value);
        sim.UnlockObject();
    }
    void writeText(std::int32_t index, const std::string& value)
    {
        std::int32_t handle = sim.voiceHandle();
        ASSERT_TRUE(sim.LockObject(handle));
        sim.SetString(index, value);
        sim.UnlockObject();
    }
    // As the panel asks for a room: the state first, then the name.
    void join(std::int32_t slot, const std::string& name = {})
    {
        write(L().stateBase() + slot, Sim::Pending);
        if (slot >= 2)
            writeText(L().nameBase + slot, name);
    }
    std::string withPilot(std::string (Sim::*member)())
    {
        EXPECT_TRUE(sim.LockMainPilotUser(0));
        std::string value = (sim.*member)();
        sim.UnlockMainPilotUser();
        return value;
    }
    const Sim::Layout& L() const { return sim.layout(); }
    std::string valueEvent(std::int32_t index) const
    {
        return "ObjectValueChanged(" + std::to_string(sim.voiceHandle()) + ", " + std::to_string(index) + ")";
    }
    std::string textEvent(std::int32_t index) const
    {
        return "ObjectTextChanged(" + std::to_string(sim.voiceHandle()) + ", " + std::to_string(index) + ")";
    }

    Sim sim;
    testing::EventRecorder events{sim};
};

TEST_F(SimulationTest, RequestRefreshAnnouncesThePilotAndEveryObject)
{
    sim.RequestRefresh();
    EXPECT_EQ(deliver(),
        (std::vector<std::string>{"MainPilotUserCreated", "Connected", "ObjectCreated(1)", "ObjectCreated(2)"}));
    std::int32_t decoy = 1;
    ASSERT_TRUE(sim.LockObject(decoy));
    EXPECT_EQ(sim.ObjectName(), "INTERCOM");
    sim.UnlockObject();
    std::int32_t voice = 2;
    ASSERT_TRUE(sim.LockObject(voice));
    EXPECT_EQ(sim.ObjectType(), "VOICE");
    EXPECT_EQ(sim.ObjectName(), "TOKA");
    EXPECT_EQ(sim.GetLong(0), 3);
    EXPECT_EQ(sim.GetLong(1), 7);
    EXPECT_EQ(sim.GetLong(Sim::VoiceEnabledIndex), 1);
    EXPECT_EQ(sim.GetLong(Sim::SpeakerRoutingIndex), 1);
    sim.UnlockObject();
    EXPECT_EQ(withPilot(&Sim::Com1Frequency), "122.800");
    EXPECT_EQ(withPilot(&Sim::ReceiveRadio), "1");
}

TEST(SimulationEvents, NothingIsQueuedBeforeAttachAndChangesOnlyAfterBeginUpdates)
{
    Sim sim(quiet());
    sim.setFrequency(1, "118.500");
    sim.deleteVoiceObject();
    EXPECT_EQ(sim.queuedEvents(), 0u);

    sim.Attach();
    sim.setFrequency(1, "119.250");
    EXPECT_EQ(sim.queuedEvents(), 0u) << "a change before BeginUpdates";
    sim.createVoiceObject();
    EXPECT_EQ(sim.queuedEvents(), 1u) << "an object announced after Attach";

    sim.Detach();
    EXPECT_EQ(sim.queuedEvents(), 0u);
}

TEST_F(SimulationTest, EventsArriveAfterTheCallReturnedAndNeverUnderALock)
{
    int scheduled = 0;
    sim.onEventsQueued = [&] { ++scheduled; };
    std::int32_t handle = sim.voiceHandle();
    ASSERT_TRUE(sim.LockObject(handle));
    sim.SetLong(L().priorityBase + 2, 1);
    sim.SetLong(L().speakerBase() + 2, 0);
    sim.SetLong(L().speakerBase() + 1, 1);
    EXPECT_TRUE(events.take().empty()) << "delivered inside the call";
    sim.UnlockObject();
    EXPECT_EQ(scheduled, 1) << "one wake-up for a queue that was empty";
    EXPECT_EQ(
        deliver(), (std::vector<std::string>{valueEvent(L().priorityBase + 2), valueEvent(L().speakerBase() + 1)}))
        << "an unchanged value raises nothing";
    EXPECT_FALSE(events.sawLockHeld());
    EXPECT_EQ(sim.value(L().priorityBase + 2), 1);
}

TEST_F(SimulationTest, ConnectRequestIsPendingThenConnectedAfterTheDelay)
{
    join(0);
    EXPECT_EQ(sim.roomState(0), Sim::Pending);
    EXPECT_EQ(deliver(), std::vector<std::string>{valueEvent(L().stateBase())});

    sim.advance(799);
    EXPECT_EQ(sim.roomState(0), Sim::Pending);
    EXPECT_TRUE(deliver().empty());

    sim.advance(1);
    EXPECT_EQ(sim.roomState(0), Sim::Connected);
    EXPECT_EQ(sim.text(L().nameBase), "EDDF_TWR");
    EXPECT_EQ(sim.text(L().infoBase), "Frankfurt Tower\r\nRunway 25C in use, QNH 1013\r\nInformation K is current");
    // Name and information first, so that the state's handler finds them.
    EXPECT_EQ(deliver(),
        (std::vector<std::string>{textEvent(L().nameBase), textEvent(L().infoBase), valueEvent(L().stateBase())}));
}

TEST_F(SimulationTest, AskingAgainWhilePendingRestartsTheWait)
{
    join(1);
    sim.advance(500);
    join(1);
    sim.advance(500);
    EXPECT_EQ(sim.roomState(1), Sim::Pending);
    sim.advance(300);
    EXPECT_EQ(sim.roomState(1), Sim::Connected);
    EXPECT_EQ(sim.text(L().nameBase + 1), "EDDF_GND");
}

struct TypedName {
    const char* typed;
    std::int32_t state;
    const char* room;
};

class FreeChannel : public SimulationTest, public ::testing::WithParamInterface<TypedName> { };

TEST_P(FreeChannel, JoinsTheRoomTheTypedNameNames)
{
    const TypedName& c = GetParam();
    join(2, c.typed);
    sim.advance(800);
    EXPECT_EQ(sim.roomState(2), c.state);
    EXPECT_EQ(sim.text(L().nameBase + 2), c.room);
    EXPECT_EQ(sim.text(L().infoBase + 2).empty(), c.state != Sim::Connected);
}

INSTANTIATE_TEST_SUITE_P(Names, FreeChannel,
    ::testing::Values(TypedName{"EDDF_TWR", Sim::Connected, "EDDF_TWR"},
        TypedName{"  EGLL_TWR ", Sim::Connected, "EGLL_TWR"}, TypedName{"124.3", Sim::Connected, "EHAM_APP"},
        TypedName{"123.450", Sim::Connected, "FREQ_123.450"}, TypedName{"FREQ_123.450", Sim::Connected, "FREQ_123.450"},
        TypedName{"eddf_twr", Sim::Failed, "eddf_twr"}, TypedName{"", Sim::Failed, ""},
        TypedName{"   ", Sim::Failed, "   "}, TypedName{"NOWHERE", Sim::Failed, "NOWHERE"},
        TypedName{"FREQ_122.800", Sim::Failed, "FREQ_122.800"}, TypedName{"140.000", Sim::Failed, "140.000"}));

TEST_F(SimulationTest, RadioRoomFollowsItsFrequency)
{
    sim.setFrequency(2, "");
    join(1);
    sim.advance(800);
    EXPECT_EQ(sim.roomState(1), Sim::Failed) << "no frequency, no room";

    sim.setFrequency(2, "130.05");
    join(1);
    sim.advance(800);
    EXPECT_EQ(sim.text(L().nameBase + 1), "FREQ_130.050");
    deliver();

    sim.setFrequency(2, "127.725");
    EXPECT_EQ(sim.roomState(1), Sim::Pending) << "a connected radio room is joined anew";
    sim.advance(800);
    EXPECT_EQ(sim.roomState(1), Sim::Connected);
    EXPECT_EQ(sim.text(L().nameBase + 1), "EDGG_CTR");
    EXPECT_EQ(deliver().front(), "MainPilotUserChanged");
}

TEST_F(SimulationTest, KickEndsOnlyAPendingOrConnectedRoom)
{
    EXPECT_FALSE(sim.kick(0));
    EXPECT_EQ(sim.roomState(0), Sim::Offline);

    join(0);
    EXPECT_TRUE(sim.kick(0));
    sim.advance(5000);
    EXPECT_EQ(sim.roomState(0), Sim::Kicked) << "a kicked request is not answered later";

    join(2, "EDDF_TWR");
    sim.advance(800);
    sim.setReceiveActivity(2, 1);
    sim.setPushToTalk(true);
    ASSERT_EQ(sim.value(L().sendActivityBase + 2), 1);
    EXPECT_TRUE(sim.kick(2));
    EXPECT_EQ(sim.roomState(2), Sim::Kicked);
    EXPECT_EQ(sim.value(L().recvActivityBase + 2), 0);
    EXPECT_EQ(sim.value(L().sendActivityBase + 2), 0);
    EXPECT_EQ(sim.text(L().infoBase + 2), "");
    EXPECT_EQ(sim.text(L().nameBase + 2), "EDDF_TWR") << "the name stays for a retry";
}

TEST_F(SimulationTest, LeavingEndsTheRoomAndItsActivity)
{
    join(0);
    sim.advance(800);
    sim.setReceiveActivity(0, 1);
    deliver();
    write(L().stateBase(), Sim::Offline);
    EXPECT_EQ(sim.roomState(0), Sim::Offline);
    EXPECT_EQ(sim.value(L().recvActivityBase), 0);
    EXPECT_EQ(sim.text(L().infoBase), "");
    EXPECT_EQ(deliver(),
        (std::vector<std::string>{
            valueEvent(L().stateBase()), valueEvent(L().recvActivityBase), textEvent(L().infoBase)}));

    join(0);
    write(L().stateBase(), Sim::Offline);
    sim.advance(2000);
    EXPECT_EQ(sim.roomState(0), Sim::Offline) << "a request left before its answer stays left";
}

TEST_F(SimulationTest, ForcedStatesHoldUntilChanged)
{
    sim.forceRoomState(2, Sim::Connected);
    EXPECT_EQ(sim.text(L().nameBase + 2), "ROOM_2") << "a room for a slot without a name";
    sim.forceRoomState(1, Sim::Pending);
    sim.advance(10000);
    EXPECT_EQ(sim.roomState(1), Sim::Pending);
    sim.forceRoomState(1, 7);
    EXPECT_EQ(sim.roomState(1), 7);
    sim.forceRoomState(1, Sim::Connected);
    EXPECT_EQ(sim.text(L().nameBase + 1), "EDDF_GND");
    EXPECT_THROW(sim.forceRoomState(3, Sim::Connected), std::invalid_argument);
}

std::vector<std::pair<std::int64_t, std::int32_t>> activityTimeline(std::uint32_t seed)
{
    SimulationOptions options;
    options.seed = seed;
    Sim sim(options);
    sim.forceRoomState(0, Sim::Connected);
    std::vector<std::pair<std::int64_t, std::int32_t>> timeline;
    std::int32_t last = 0;
    for (int step = 0; step < 600; ++step) {
        sim.advance(100);
        const std::int32_t now = sim.value(sim.layout().recvActivityBase);
        if (now != last)
            timeline.emplace_back(sim.now(), now);
        last = now;
        EXPECT_EQ(sim.value(sim.layout().recvActivityBase + 1), 0) << "activity on a room that is not connected";
    }
    return timeline;
}

TEST(SimulationActivity, ComesAndGoesOnConnectedRoomsReproducibly)
{
    const auto first = activityTimeline(11);
    EXPECT_GE(first.size(), 10u) << "a minute of traffic";
    EXPECT_EQ(first, activityTimeline(11));
    EXPECT_NE(first, activityTimeline(12));
}

TEST_F(SimulationTest, ActivityStopsWhenTheRoomIsLeft)
{
    EXPECT_FALSE(sim.setReceiveActivity(2, 1)) << "no traffic in a room not joined";
    EXPECT_EQ(sim.value(L().recvActivityBase + 2), 0);
    sim.setRandomActivity(true);
    sim.forceRoomState(2, Sim::Connected);
    sim.advance(60000);
    sim.setReceiveActivity(2, 1);
    write(L().stateBase() + 2, Sim::Offline);
    sim.advance(60000);
    EXPECT_EQ(sim.value(L().recvActivityBase + 2), 0);
}

TEST_F(SimulationTest, PushToTalkSendsOnTheTransmittingRoomsThatAreNotMuted)
{
    for (std::int32_t slot = 0; slot < 3; ++slot)
        sim.forceRoomState(slot, Sim::Connected);
    const auto sending = [&] {
        return std::vector<std::int32_t>{sim.value(Sim::TransmittingIndex), sim.value(L().sendActivityBase),
            sim.value(L().sendActivityBase + 1), sim.value(L().sendActivityBase + 2)};
    };
    EXPECT_EQ(sending(), (std::vector<std::int32_t>{0, 0, 0, 0}));
    sim.setPushToTalk(true);
    EXPECT_EQ(sending(), (std::vector<std::int32_t>{1, 1, 0, 1})) << "COM1 and the free channel";

    ASSERT_TRUE(sim.LockMainPilotUser(0));
    sim.SetTransmitRadio(2);
    sim.UnlockMainPilotUser();
    EXPECT_EQ(sending(), (std::vector<std::int32_t>{1, 0, 1, 1}));

    write(L().transmitBase + 1, 1);
    EXPECT_EQ(sending(), (std::vector<std::int32_t>{1, 0, 0, 1})) << "transmission muted";
    sim.setSelections("B", "B");
    write(L().transmitBase + 1, 0);
    EXPECT_EQ(sending(), (std::vector<std::int32_t>{1, 1, 1, 1}));

    sim.setPushToTalk(false);
    EXPECT_EQ(sending(), (std::vector<std::int32_t>{0, 0, 0, 0}));
}

struct Selection {
    const char* receive;
    const char* transmit;
    bool both;
    const char* receiveAfter;
};

class ReceiveBoth : public SimulationTest, public ::testing::WithParamInterface<Selection> { };

TEST_P(ReceiveBoth, KeepsTheTransmitRadioHeard)
{
    const Selection& c = GetParam();
    sim.setSelections(c.receive, c.transmit);
    deliver();
    ASSERT_TRUE(sim.LockMainPilotUser(0));
    sim.SetReceiveBoth(c.both);
    sim.UnlockMainPilotUser();
    EXPECT_EQ(sim.pilot().receive, c.receiveAfter);
    EXPECT_EQ(sim.pilot().transmit, c.transmit);
    const bool changed = std::string(c.receive) != c.receiveAfter;
    EXPECT_EQ(deliver(), changed ? std::vector<std::string>{"MainPilotUserChanged"} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Selections, ReceiveBoth,
    ::testing::Values(Selection{"1", "1", true, "B"}, Selection{"B", "2", false, "2"}, Selection{"B", "1", false, "1"},
        Selection{"B", "B", false, "1"}, Selection{"B", "x", false, "1"}, Selection{"B", "2", true, "B"}));

TEST_F(SimulationTest, TransmitRadioIsOneOrTwo)
{
    ASSERT_TRUE(sim.LockMainPilotUser(0));
    EXPECT_THROW(sim.SetTransmitRadio(3), VoiceClientError);
    sim.SetTransmitRadio(2);
    EXPECT_EQ(sim.TransmitRadio(), "2");
    sim.UnlockMainPilotUser();
}

TEST_F(SimulationTest, AnAbsentPilotCannotBeLocked)
{
    sim.setPilotPresent(false);
    EXPECT_FALSE(sim.LockMainPilotUser(0));
    sim.setFrequency(1, "118.500");
    sim.setPilotPresent(true);
    EXPECT_EQ(withPilot(&Sim::Com1Frequency), "118.500");
    EXPECT_EQ(deliver(), (std::vector<std::string>{"MainPilotUserDeleted", "MainPilotUserCreated"}));
}

TEST_F(SimulationTest, NetworkDisconnectsAndComesBackWithFreshObjects)
{
    const std::int32_t before = sim.voiceHandle();
    sim.forceRoomState(0, Sim::Connected);
    deliver();
    sim.disconnectNetwork();
    EXPECT_EQ(deliver(), std::vector<std::string>{"Disconnected"});
    std::int32_t old = before;
    EXPECT_FALSE(sim.LockObject(old));
    EXPECT_EQ(sim.voiceHandle(), 0);
    EXPECT_FALSE(sim.createVoiceObject()) << "no object while the network is down";
    EXPECT_TRUE(sim.LockMainPilotUser(0)) << "the radios stay";
    sim.UnlockMainPilotUser();

    sim.connectNetwork();
    const std::int32_t after = sim.voiceHandle();
    EXPECT_GT(after, before);
    EXPECT_EQ(deliver(),
        (std::vector<std::string>{"Connected", "ObjectCreated(" + std::to_string(after - 1) + ")",
            "ObjectCreated(" + std::to_string(after) + ")"}));
    EXPECT_EQ(sim.roomState(0), Sim::Offline);
}

TEST_F(SimulationTest, DeletedObjectComesBackUnderANewHandle)
{
    const std::int32_t before = sim.voiceHandle();
    join(0);
    sim.deleteVoiceObject();
    std::int32_t old = before;
    EXPECT_FALSE(sim.LockObject(old));
    sim.advance(1000);
    EXPECT_TRUE(sim.createVoiceObject());
    EXPECT_FALSE(sim.createVoiceObject());
    const std::int32_t after = sim.voiceHandle();
    EXPECT_NE(after, before);
    EXPECT_EQ(sim.roomState(0), Sim::Offline) << "the old request went with the old object";
    const auto delivered = deliver();
    ASSERT_GE(delivered.size(), 2u);
    EXPECT_EQ(delivered[delivered.size() - 2], "ObjectDeleted(" + std::to_string(before) + ")");
    EXPECT_EQ(delivered.back(), "ObjectCreated(" + std::to_string(after) + ")");
}

TEST_F(SimulationTest, NetworkOwnedValuesAndUnknownIndicesAreRefused)
{
    std::int32_t handle = sim.voiceHandle();
    ASSERT_TRUE(sim.LockObject(handle));
    for (const std::int32_t index : {Sim::SlotCountIndex, Sim::FirstIndexIndex, Sim::VoiceEnabledIndex,
             Sim::TransmittingIndex, L().recvActivityBase + 1, L().sendActivityBase + 2})
        EXPECT_THROW(sim.SetLong(index, 1), VoiceClientError) << index;
    EXPECT_THROW(sim.SetLong(L().stateBase(), Sim::Connected), VoiceClientError);
    EXPECT_THROW(sim.SetString(L().nameBase, "EGLL_TWR"), VoiceClientError) << "a radio's room";
    EXPECT_THROW(sim.SetString(L().infoBase + 2, "x"), VoiceClientError);
    EXPECT_THROW(sim.GetLong(L().size), VoiceClientError);
    EXPECT_THROW(sim.GetString(-1), VoiceClientError);
    EXPECT_EQ(sim.GetLong(Sim::VoiceEnabledIndex), 1);
    EXPECT_EQ(sim.GetLong(L().stateBase()), Sim::Offline);
    sim.SetLong(Sim::AllToSpeakerIndex, 5);
    EXPECT_EQ(sim.GetLong(Sim::AllToSpeakerIndex), 5) << "flags keep what is written";
    sim.UnlockObject();
    EXPECT_EQ(sim.queuedEvents(), 1u);
}

TEST(SimulationLayout, FollowsTheOptionsAndRefusesWhatDoesNotFit)
{
    SimulationOptions options;
    options.slotCount = 5;
    options.firstIndex = 10;
    const Sim sim(options);
    const Sim::Layout& l = sim.layout();
    EXPECT_EQ((std::vector<std::int32_t>{l.nameBase, l.infoBase, l.receiveBase, l.transmitBase, l.recvActivityBase,
                  l.sendActivityBase, l.priorityBase, l.size}),
        (std::vector<std::int32_t>{10, 15, 20, 25, 30, 35, 40, 45}));
    EXPECT_EQ(sim.value(0), 5);
    EXPECT_EQ(sim.value(1), 10);

    for (const auto& [slots, first] :
        std::vector<std::pair<std::int32_t, std::int32_t>>{{-1, 7}, {65, 7}, {3, 6}, {3, 1 << 20}}) {
        options.slotCount = slots;
        options.firstIndex = first;
        EXPECT_THROW(Sim{options}, std::invalid_argument) << slots << ", " << first;
    }
    options.slotCount = 64;
    options.firstIndex = 0x7FFFFFF0;
    EXPECT_THROW(Sim{options}, ArithmeticOverflow);
}

TEST_F(SimulationTest, TimeOnlyMovesForward)
{
    EXPECT_THROW(sim.advance(-1), std::invalid_argument);
    sim.advance(250);
    EXPECT_EQ(sim.now(), 250);
}

} // namespace
} // namespace norvo
