#include "sim/SimulatedVoiceClient.h"

#include "platform/CheckedMath.h"
#include "support/CaseNames.h"
#include "support/EventRecorder.h"
#include "support/ReceiveBothCases.h"

#include <gtest/gtest.h>

namespace norvo {
namespace {

using Sim = SimulatedVoiceClient;
using Block = VoiceObjectLayout::Block;
using Events = std::vector<std::string>;

SimulationOptions quiet()
{
    SimulationOptions options;
    options.randomActivity = false;
    return options;
}

struct SimulationTest : ::testing::Test {
    SimulationTest()
    {
        sim.setEventSink(&events);
        sim.Attach();
        sim.BeginUpdates();
    }

    Events deliver()
    {
        sim.deliverEvents();
        return events.take();
    }

    // A caller that keeps to the locks.
    template <class Call> void locked(Call&& call)
    {
        std::int32_t handle = sim.voiceHandle();
        ASSERT_TRUE(sim.LockObject(handle));
        call();
        sim.UnlockObject();
    }
    template <class Call> void asPilot(Call&& call)
    {
        ASSERT_TRUE(sim.LockMainPilotUser(0));
        call();
        sim.UnlockMainPilotUser();
    }
    void write(std::int32_t index, std::int32_t value)
    {
        locked([&] { sim.SetLong(index, value); });
    }
    // As the panel asks for a room: the state first, then the name.
    void join(std::int32_t slot, const char* name = nullptr)
    {
        locked([&] {
            sim.SetLong(L().index(Block::Room, slot), RoomState::Pending);
            if (name)
                sim.SetString(L().index(Block::Room, slot), name);
        });
    }
    const VoiceObjectLayout& L() const { return sim.layout(); }
    std::string valueEvent(std::int32_t i) const
    {
        return VoiceEvent{VoiceEvent::Kind::ObjectValueChanged, sim.voiceHandle(), i}.describe();
    }
    std::string textEvent(std::int32_t i) const
    {
        return VoiceEvent{VoiceEvent::Kind::ObjectTextChanged, sim.voiceHandle(), i}.describe();
    }

    Sim sim{quiet()};
    testing::EventRecorder events{[this] { return sim.pilotLocked() || sim.lockedObject().has_value(); }};
};

TEST_F(SimulationTest, RequestRefreshAnnouncesThePilotAndEveryObject)
{
    sim.RequestRefresh();
    EXPECT_EQ(deliver(), (Events{"MainPilotUserCreated", "Connected", "ObjectCreated(1)", "ObjectCreated(2)"}));
    std::int32_t decoy = 1;
    ASSERT_TRUE(sim.LockObject(decoy));
    EXPECT_EQ(sim.ObjectName(), "INTERCOM");
    sim.UnlockObject();
    std::int32_t voice = 2;
    ASSERT_TRUE(sim.LockObject(voice));
    EXPECT_EQ(sim.ObjectType() + " " + sim.ObjectName(), "VOICE TOKA");
    // Three slots from index 7, voice and speaker routing on.
    EXPECT_EQ((std::vector<std::int32_t>{sim.GetLong(0), sim.GetLong(1), sim.GetLong(2), sim.GetLong(3)}),
        (std::vector<std::int32_t>{3, 7, 1, 1}));
    sim.UnlockObject();
    asPilot([&] { EXPECT_EQ(sim.Com1Frequency() + " " + sim.ReceiveRadio(), "122.800 1"); });
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
    sim.setOnEventsQueued([&] { ++scheduled; });
    std::int32_t handle = sim.voiceHandle();
    ASSERT_TRUE(sim.LockObject(handle));
    sim.SetLong(L().index(Block::Priority, 2), 1);
    sim.SetLong(L().index(Block::Info, 2), 0);
    sim.SetLong(L().index(Block::Info, 1), 1);
    EXPECT_TRUE(events.take().empty()) << "delivered inside the call";
    sim.UnlockObject();
    EXPECT_EQ(scheduled, 1) << "one wake-up for a queue that was empty";
    EXPECT_EQ(deliver(), (Events{valueEvent(L().index(Block::Priority, 2)), valueEvent(L().index(Block::Info, 1))}))
        << "an unchanged value raises nothing";
    EXPECT_FALSE(events.sawLockHeld());
}

TEST_F(SimulationTest, ConnectRequestIsPendingThenConnectedAfterTheDelay)
{
    EXPECT_EQ(sim.nextDue(), std::nullopt) << "nothing to wait for";
    join(0);
    EXPECT_EQ(deliver(), Events{valueEvent(L().base(Block::Room))});
    sim.advance(500);
    join(0);
    EXPECT_EQ(sim.nextDue(), 1300);
    sim.advance(799);
    EXPECT_EQ(sim.roomState(0), RoomState::Pending) << "asking again restarts the wait";
    EXPECT_TRUE(deliver().empty());

    sim.advance(1);
    EXPECT_EQ(sim.roomState(0), RoomState::Connected);
    EXPECT_EQ(sim.nextDue(), std::nullopt) << "no random traffic";
    EXPECT_EQ(
        sim.text(L().base(Block::Info)), "Frankfurt Tower\r\nRunway 25C in use, QNH 1013\r\nInformation K is current");
    // Name and information first, so that the state's handler finds them.
    EXPECT_EQ(deliver(),
        (Events{
            textEvent(L().base(Block::Room)), textEvent(L().base(Block::Info)), valueEvent(L().base(Block::Room))}));
}

struct TypedName {
    const char* typed;
    std::int32_t state;
    const char* room;
};

void PrintTo(const TypedName& c, std::ostream* out) { *out << "typed " << c.typed; }

class FreeChannel : public SimulationTest, public ::testing::WithParamInterface<TypedName> { };

TEST_P(FreeChannel, JoinsTheRoomTheTypedNameNames)
{
    const TypedName& c = GetParam();
    join(2, c.typed);
    sim.advance(800);
    EXPECT_EQ(sim.roomState(2), c.state);
    EXPECT_EQ(sim.text(L().index(Block::Room, 2)), c.room);
    EXPECT_EQ(sim.text(L().index(Block::Info, 2)).empty(), c.state != RoomState::Connected);
}

INSTANTIATE_TEST_SUITE_P(Names, FreeChannel,
    ::testing::Values(TypedName{"EDDF_TWR", RoomState::Connected, "EDDF_TWR"},
        TypedName{"  EGLL_TWR ", RoomState::Connected, "EGLL_TWR"},
        TypedName{"124.3", RoomState::Connected, "EHAM_APP"},
        TypedName{"123.450", RoomState::Connected, "FREQ_123.450"},
        TypedName{"FREQ_123.450", RoomState::Connected, "FREQ_123.450"},
        TypedName{"eddf_twr", RoomState::Failed, "eddf_twr"}, TypedName{"   ", RoomState::Failed, "   "},
        TypedName{"FREQ_122.800", RoomState::Failed, "FREQ_122.800"},
        TypedName{"140.000", RoomState::Failed, "140.000"}),
    NamedAfterPrintTo());

TEST_F(SimulationTest, RadioRoomFollowsItsFrequency)
{
    sim.setFrequency(2, "");
    join(1);
    sim.advance(800);
    EXPECT_EQ(sim.roomState(1), RoomState::Failed) << "no frequency, no room";

    sim.setFrequency(2, "130.05");
    join(1);
    sim.advance(800);
    EXPECT_EQ(sim.text(L().index(Block::Room, 1)), "FREQ_130.050");
    deliver();

    sim.setFrequency(2, "127.725");
    EXPECT_EQ(sim.roomState(1), RoomState::Pending) << "a connected radio room is joined anew";
    EXPECT_EQ(sim.text(L().index(Block::Info, 1)), "");
    sim.advance(800);
    EXPECT_EQ(sim.text(L().index(Block::Room, 1)), "EDGG_CTR");
    EXPECT_EQ(deliver().front(), "MainPilotUserChanged");
}

TEST_F(SimulationTest, KickOrLeaveEndsTheRoomWhatItWaitedForAndItsActivity)
{
    EXPECT_FALSE(sim.kick(0)) << "nothing to kick";
    join(0);
    EXPECT_TRUE(sim.kick(0));
    join(1);
    write(L().index(Block::Room, 1), RoomState::Offline);
    sim.advance(5000);
    EXPECT_EQ(sim.roomState(0), RoomState::Kicked) << "a kicked request is not answered later";
    EXPECT_EQ(sim.roomState(1), RoomState::Offline) << "a request left before its answer stays left";

    sim.setRandomActivity(true);
    join(2, "EDDF_TWR");
    sim.advance(800);
    EXPECT_FALSE(sim.setReceiveActivity(1, 1)) << "no traffic in a room not joined";
    sim.setReceiveActivity(2, 1);
    sim.setPushToTalk(true);
    deliver();
    EXPECT_TRUE(sim.kick(2));
    EXPECT_EQ(deliver(),
        (Events{valueEvent(L().index(Block::Room, 2)), valueEvent(L().index(Block::ReceiveActivity, 2)),
            valueEvent(L().index(Block::SendActivity, 2)), textEvent(L().index(Block::Info, 2))}));
    EXPECT_EQ(sim.roomState(2), RoomState::Kicked);
    EXPECT_EQ(sim.text(L().index(Block::Room, 2)), "EDDF_TWR") << "the name stays for a retry";
    sim.advance(60000);
    EXPECT_EQ(sim.value(L().index(Block::ReceiveActivity, 2)), 0) << "traffic in a room left";
}

TEST_F(SimulationTest, ForcedStatesHoldUntilChanged)
{
    sim.forceRoomState(2, RoomState::Connected);
    EXPECT_EQ(sim.text(L().index(Block::Room, 2)), "ROOM_2") << "a room for a slot without a name";
    sim.forceRoomState(1, RoomState::Pending);
    sim.advance(10000);
    EXPECT_EQ(sim.roomState(1), RoomState::Pending);
    sim.forceRoomState(1, 7);
    EXPECT_EQ(sim.roomState(1), 7);
    sim.forceRoomState(1, RoomState::Connected);
    EXPECT_EQ(sim.text(L().index(Block::Room, 1)), "EDDF_GND");
    EXPECT_THROW(sim.forceRoomState(3, RoomState::Connected), std::invalid_argument);
}

std::vector<std::pair<std::int64_t, std::int32_t>> activityTimeline(std::uint32_t seed)
{
    SimulationOptions options;
    options.seed = seed;
    Sim sim(options);
    sim.forceRoomState(0, RoomState::Connected);
    std::vector<std::pair<std::int64_t, std::int32_t>> timeline;
    for (int step = 0; step < 600; ++step) {
        const std::optional<std::int64_t> due = sim.nextDue();
        sim.advance(100);
        const std::int32_t now = sim.value(sim.layout().base(Block::ReceiveActivity));
        if (timeline.empty() ? now != 0 : now != timeline.back().second) {
            timeline.emplace_back(sim.now(), now);
            EXPECT_LE(due.value_or(sim.now() + 1), sim.now()) << "a change that was not due";
        }
        EXPECT_EQ(sim.value(sim.layout().index(Block::ReceiveActivity, 1)), 0)
            << "activity on a room that is not connected";
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

TEST_F(SimulationTest, PushToTalkSendsOnTheTransmittingRoomsThatAreNotMuted)
{
    for (std::int32_t slot = 0; slot < 3; ++slot)
        sim.forceRoomState(slot, RoomState::Connected);
    const auto sending = [&] {
        return std::vector<std::int32_t>{sim.value(HeaderIndex::Transmitting), sim.value(L().base(Block::SendActivity)),
            sim.value(L().index(Block::SendActivity, 1)), sim.value(L().index(Block::SendActivity, 2))};
    };
    EXPECT_EQ(sending(), (std::vector<std::int32_t>{0, 0, 0, 0}));
    sim.setPushToTalk(true);
    EXPECT_EQ(sending(), (std::vector<std::int32_t>{1, 1, 0, 1})) << "COM1 and the free channel";

    asPilot([&] { sim.SetTransmitRadio(2); });
    EXPECT_EQ(sending(), (std::vector<std::int32_t>{1, 0, 1, 1}));

    write(L().index(Block::TransmitMute, 1), 1);
    EXPECT_EQ(sending(), (std::vector<std::int32_t>{1, 0, 0, 1})) << "transmission muted";
    sim.setSelections("B", "B");
    write(L().index(Block::TransmitMute, 1), 0);
    EXPECT_EQ(sending(), (std::vector<std::int32_t>{1, 1, 1, 1}));

    sim.setPushToTalk(false);
    EXPECT_EQ(sending(), (std::vector<std::int32_t>{0, 0, 0, 0}));
}

class ReceiveBoth : public SimulationTest, public ::testing::WithParamInterface<testing::ReceiveBothCase> { };

TEST_P(ReceiveBoth, KeepsTheTransmitRadioHeard)
{
    const testing::ReceiveBothCase& c = GetParam();
    sim.setSelections(c.receive, c.transmit);
    deliver();
    asPilot([&] { sim.SetReceiveBoth(c.both); });
    EXPECT_EQ(sim.pilot().receive, c.receiveAfter);
    EXPECT_EQ(sim.pilot().transmit, c.transmit);
    const bool changed = std::string(c.receive) != c.receiveAfter;
    EXPECT_EQ(deliver(), changed ? Events{"MainPilotUserChanged"} : Events{});
}

INSTANTIATE_TEST_SUITE_P(Selections, ReceiveBoth, testing::receiveBothCases(), NamedAfterPrintTo());

TEST_F(SimulationTest, VoiceObjectGoesWithTheNetworkAndComesBackUnderANewHandle)
{
    join(0);
    sim.deleteVoiceObject();
    EXPECT_TRUE(sim.createVoiceObject());
    EXPECT_FALSE(sim.createVoiceObject()) << "one voice object at a time";
    sim.advance(1000);
    EXPECT_EQ(sim.roomState(0), RoomState::Offline) << "the old request went with the old object";

    sim.disconnectNetwork();
    std::int32_t old = 3;
    EXPECT_FALSE(sim.LockObject(old));
    EXPECT_FALSE(sim.createVoiceObject()) << "no object while the network is down";
    EXPECT_TRUE(sim.LockMainPilotUser(0)) << "the radios stay";
    sim.UnlockMainPilotUser();
    sim.connectNetwork();
    EXPECT_EQ(sim.voiceHandle(), 5);
    EXPECT_EQ(deliver(),
        (Events{"ObjectValueChanged(2, 7)", "ObjectDeleted(2)", "ObjectCreated(3)", "Disconnected", "Connected",
            "ObjectCreated(4)", "ObjectCreated(5)"}));
}

TEST_F(SimulationTest, CallsTheNetworkRefusesChangeNothing)
{
    std::int32_t handle = sim.voiceHandle();
    ASSERT_TRUE(sim.LockObject(handle));
    for (const std::int32_t index : {HeaderIndex::SlotCount, HeaderIndex::FirstIndex, HeaderIndex::VoiceEnabled,
             HeaderIndex::Transmitting, L().index(Block::ReceiveActivity, 1), L().index(Block::SendActivity, 2)})
        EXPECT_THROW(sim.SetLong(index, 1), VoiceClientError) << index;
    EXPECT_THROW(sim.SetLong(L().base(Block::Room), RoomState::Connected), VoiceClientError);
    EXPECT_THROW(sim.SetString(L().base(Block::Room), "EGLL_TWR"), VoiceClientError) << "a radio's room";
    EXPECT_THROW(sim.SetString(L().index(Block::Info, 2), "x"), VoiceClientError);
    EXPECT_THROW(sim.GetLong(L().last() + 1), VoiceClientError);
    EXPECT_THROW(sim.GetString(-1), VoiceClientError);
    EXPECT_EQ(sim.GetLong(HeaderIndex::VoiceEnabled), 1);
    EXPECT_EQ(sim.GetLong(L().base(Block::Room)), RoomState::Offline);
    sim.SetLong(HeaderIndex::AllToSpeaker, 5);
    EXPECT_EQ(sim.GetLong(HeaderIndex::AllToSpeaker), 5) << "flags keep what is written";
    sim.UnlockObject();
    EXPECT_EQ(sim.queuedEvents(), 1u);

    asPilot([&] {
        EXPECT_THROW(sim.SetTransmitRadio(3), VoiceClientError);
        EXPECT_EQ(sim.TransmitRadio(), "1");
    });
    EXPECT_THROW(sim.advance(-1), std::invalid_argument);
}

TEST(SimulationLayout, FollowsTheOptionsAndRefusesWhatDoesNotFit)
{
    SimulationOptions options;
    options.slotCount = 5;
    options.firstIndex = 10;
    const Sim sim(options);
    EXPECT_EQ(sim.layout().last() + 1, 45) << "every slot of every block";
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

} // namespace
} // namespace norvo
