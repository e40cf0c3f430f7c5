#include "sim/SimulatedVoiceClient.h"

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
    void write(Block block, std::int32_t slot, std::int32_t value)
    {
        locked([&] { sim.SetLong(at(block, slot), value); });
    }
    // As the panel asks for a room: the state first, then the name.
    void join(std::int32_t slot, const char* name = nullptr)
    {
        locked([&] {
            sim.SetLong(at(Block::Room, slot), RoomState::Pending);
            if (name)
                sim.SetString(at(Block::Room, slot), name);
        });
    }
    std::int32_t at(Block block, std::int32_t slot) const { return sim.layout().index(block, slot); }
    // "2 'EDDF_TWR' info heard sending": the state, the name, and whether the
    // room has information, receive and send activity.
    std::string room(std::int32_t slot) const
    {
        return std::to_string(sim.roomState(slot)) + " '" + sim.text(at(Block::Room, slot)) + "'"
            + (sim.text(at(Block::Info, slot)).empty() ? "" : " info")
            + (sim.value(at(Block::ReceiveActivity, slot)) ? " heard" : "")
            + (sim.value(at(Block::SendActivity, slot)) ? " sending" : "");
    }
    std::string event(VoiceEvent::Kind kind, Block block, std::int32_t slot) const
    {
        return VoiceEvent{kind, sim.voiceHandle(), at(block, slot)}.describe();
    }
    static constexpr auto Value = VoiceEvent::Kind::ObjectValueChanged;
    static constexpr auto Text = VoiceEvent::Kind::ObjectTextChanged;

    Sim sim{quiet()};
    testing::EventRecorder events{[this] { return sim.pilotLocked() || sim.lockedObject().has_value(); }};
};

TEST(SimulationEvents, AreKeptFromAttachAndChangesFromBeginUpdatesUntilDetach)
{
    Sim sim(quiet());
    int wakeUps = 0;
    sim.setOnEventsQueued([&] { ++wakeUps; });
    sim.setFrequency(1, "118.500");
    sim.deleteVoiceObject();
    sim.Attach();
    sim.setFrequency(1, "119.250");
    EXPECT_EQ(sim.queuedEvents(), 0u) << "before Attach, or a change before BeginUpdates";
    sim.createVoiceObject();
    sim.BeginUpdates();
    sim.setValue(HeaderIndex::AllToSpeaker, 1);
    sim.setValue(HeaderIndex::AllToSpeaker, 1);
    EXPECT_EQ(sim.queuedEvents(), 2u) << "an object announced, one change";
    EXPECT_EQ(wakeUps, 1) << "one wake-up for a queue that was empty";
    sim.Detach();
    EXPECT_EQ(sim.queuedEvents(), 0u);
}

TEST_F(SimulationTest, ConnectRequestIsPendingThenConnectedAfterTheDelay)
{
    EXPECT_EQ(sim.nextDue(), std::nullopt) << "nothing to wait for";
    join(0);
    sim.advance(500);
    join(0);
    EXPECT_EQ(sim.nextDue(), 1300) << "asking again restarts the wait";
    sim.advance(799);
    EXPECT_EQ(deliver(), Events{event(Value, Block::Room, 0)});
    EXPECT_EQ(room(0), "1 ''");

    sim.advance(1);
    EXPECT_EQ(room(0), "2 'EDDF_TWR' info");
    EXPECT_EQ(sim.nextDue(), std::nullopt) << "no random traffic";
    // Name and information first, so that the state's handler finds them.
    EXPECT_EQ(
        deliver(), (Events{event(Text, Block::Room, 0), event(Text, Block::Info, 0), event(Value, Block::Room, 0)}));
}

struct TypedName {
    const char* typed;
    const char* room;
};

void PrintTo(const TypedName& c, std::ostream* out) { *out << "typed " << spelt(c.typed); }

class FreeChannel : public SimulationTest, public ::testing::WithParamInterface<TypedName> { };

TEST_P(FreeChannel, JoinsTheRoomTheTypedNameNames)
{
    join(2, GetParam().typed);
    sim.advance(800);
    EXPECT_EQ(room(2), GetParam().room);
}

INSTANTIATE_TEST_SUITE_P(Names, FreeChannel,
    ::testing::Values(TypedName{"EDDF_TWR", "2 'EDDF_TWR' info"}, TypedName{" \tEGLL_TWR ", "2 'EGLL_TWR' info"},
        TypedName{"124.3", "2 'EHAM_APP' info"}, TypedName{"123.450", "2 'FREQ_123.450' info"},
        TypedName{"FREQ_123.450", "2 'FREQ_123.450' info"}, TypedName{"eddf_twr", "3 'eddf_twr'"},
        TypedName{"   ", "3 '   '"}, TypedName{"FREQ_122.800", "3 'FREQ_122.800'"},
        // A frequency is three digits, a dot and one to three digits, in the air band.
        TypedName{"136.975", "2 'FREQ_136.975' info"}, TypedName{"118.000", "2 'FREQ_118.000' info"},
        TypedName{"117.999", "3 '117.999'"}, TypedName{"140.000", "3 '140.000'"}, TypedName{"011.9000", "3 '011.9000'"},
        TypedName{"122.", "3 '122.'"}, TypedName{"122,800", "3 '122,800'"}, TypedName{"12a.800", "3 '12a.800'"}),
    NamedAfterPrintTo());

TEST_F(SimulationTest, RadioRoomFollowsItsFrequencyAndNeedsThePilot)
{
    sim.setFrequency(2, "");
    join(1);
    sim.setPilotPresent(false);
    join(0);
    sim.advance(800);
    EXPECT_EQ(room(0), "3 ''") << "no pilot, no radios";
    EXPECT_EQ(room(1), "3 ''") << "no frequency, no room";
    sim.setPilotPresent(true);

    sim.setFrequency(2, "130.05");
    join(1);
    sim.advance(400);
    sim.setFrequency(2, "127.725");
    EXPECT_EQ(sim.nextDue(), 2000) << "a pending radio room is asked for anew";
    sim.advance(800);
    deliver();
    sim.setFrequency(2, "130.05");
    EXPECT_EQ(room(1), "1 'EDGG_CTR'") << "a connected radio room is joined anew";
    sim.advance(800);
    EXPECT_EQ(room(1), "2 'FREQ_130.050' info");
    EXPECT_EQ(deliver().front(), "MainPilotUserChanged");
}

TEST_F(SimulationTest, KickLeaveOrForceEndsWhatTheRoomWaitedForAndItsActivity)
{
    EXPECT_FALSE(sim.kick(0)) << "nothing to kick";
    join(0);
    EXPECT_TRUE(sim.kick(0));
    join(1);
    write(Block::Room, 1, RoomState::Offline);
    sim.forceRoomState(2, RoomState::Pending);
    sim.advance(5000);
    EXPECT_EQ(room(0), "4 ''") << "a kicked request is not answered later";
    EXPECT_EQ(room(1), "0 ''") << "a request left before its answer stays left";
    EXPECT_EQ(room(2), "1 ''") << "a forced state holds";

    sim.setRandomActivity(true);
    join(2, "EDDF_TWR");
    sim.advance(800);
    EXPECT_FALSE(sim.setReceiveActivity(1, 1)) << "no traffic in a room not joined";
    sim.setReceiveActivity(2, 1);
    sim.setPushToTalk(true);
    EXPECT_EQ(room(2), "2 'EDDF_TWR' info heard sending");
    EXPECT_TRUE(sim.kick(2));
    EXPECT_EQ(room(2), "4 'EDDF_TWR'") << "the name stays for a retry";
    EXPECT_EQ(sim.nextDue(), std::nullopt) << "traffic due in a room not joined";

    sim.forceRoomState(1, RoomState::Connected);
    sim.forceRoomState(0, 7);
    sim.forceRoomState(2, RoomState::Connected);
    EXPECT_EQ(room(0) + ", " + room(1) + ", " + room(2), "7 '', 2 'EDDF_GND' info, 2 'EDDF_TWR' info sending");
    sim.forceRoomState(2, RoomState::Offline);
    sim.setText(at(Block::Room, 2), "");
    sim.forceRoomState(2, RoomState::Connected);
    EXPECT_EQ(room(2), "2 'ROOM_2' info sending") << "a room for a slot without a name";
    EXPECT_THROW(sim.forceRoomState(3, RoomState::Connected), std::invalid_argument);
}

// When the receive activity of a connected room changed, over a minute.
std::vector<std::int64_t> activityChanges(std::uint32_t seed)
{
    SimulationOptions options;
    options.seed = seed;
    Sim sim(options);
    sim.forceRoomState(0, RoomState::Connected);
    std::vector<std::int64_t> changes;
    for (std::int32_t before = 0; sim.nextDue() && *sim.nextDue() < 60000; before = 1 - before) {
        sim.advance(*sim.nextDue() - sim.now());
        EXPECT_NE(sim.value(sim.layout().base(Block::ReceiveActivity)), before) << "a change due changed nothing";
        EXPECT_EQ(sim.value(sim.layout().index(Block::ReceiveActivity, 1)), 0) << "in a room not connected";
        changes.push_back(sim.now());
    }
    return changes;
}

TEST(SimulationActivity, ComesAndGoesOnConnectedRoomsReproducibly)
{
    const auto first = activityChanges(11);
    EXPECT_GE(first.size(), 10u);
    EXPECT_EQ(first, activityChanges(11));
    EXPECT_NE(first, activityChanges(12));
}

TEST_F(SimulationTest, PushToTalkSendsOnTheTransmittingRoomsThatAreNotMuted)
{
    for (std::int32_t slot = 0; slot < 3; ++slot)
        sim.forceRoomState(slot, RoomState::Connected);
    // The Transmitting flag, then the send activity of slots 0 to 2.
    const auto sending = [&] {
        return std::to_string(sim.value(HeaderIndex::Transmitting))
            + std::to_string(sim.value(at(Block::SendActivity, 0)))
            + std::to_string(sim.value(at(Block::SendActivity, 1)))
            + std::to_string(sim.value(at(Block::SendActivity, 2)));
    };
    EXPECT_EQ(sending(), "0000");
    sim.setPushToTalk(true);
    EXPECT_EQ(sending(), "1101") << "COM1 and the free channel";
    ASSERT_TRUE(sim.LockMainPilotUser(0));
    sim.SetTransmitRadio(2);
    sim.UnlockMainPilotUser();
    EXPECT_EQ(sending(), "1011");
    write(Block::TransmitMute, 1, 1);
    EXPECT_EQ(sending(), "1001") << "transmission muted";
    sim.setSelections("B", "B");
    write(Block::TransmitMute, 1, 0);
    EXPECT_EQ(sending(), "1111");
    sim.setPushToTalk(false);
    EXPECT_EQ(sending(), "0000");
}

class ReceiveBoth : public SimulationTest, public ::testing::WithParamInterface<testing::ReceiveBothCase> { };

TEST_P(ReceiveBoth, KeepsTheTransmitRadioHeard)
{
    const testing::ReceiveBothCase& c = GetParam();
    sim.setSelections(c.receive, c.transmit);
    deliver();
    ASSERT_TRUE(sim.LockMainPilotUser(0));
    sim.SetReceiveBoth(c.both);
    sim.UnlockMainPilotUser();
    EXPECT_EQ(sim.pilot().receive + sim.pilot().transmit, std::string(c.receiveAfter) + c.transmit);
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
    locked([&] {
        for (const std::int32_t index : {HeaderIndex::SlotCount, HeaderIndex::FirstIndex, HeaderIndex::VoiceEnabled,
                 HeaderIndex::Transmitting, at(Block::ReceiveActivity, 1), at(Block::SendActivity, 2)})
            EXPECT_THROW(sim.SetLong(index, 1), VoiceClientError) << index;
        EXPECT_THROW(sim.SetLong(at(Block::Room, 0), RoomState::Connected), VoiceClientError);
        EXPECT_THROW(sim.SetString(at(Block::Room, 1), "EGLL_TWR"), VoiceClientError) << "a radio's room";
        EXPECT_THROW(sim.SetString(at(Block::Info, 2), "x"), VoiceClientError);
        EXPECT_THROW(sim.GetLong(sim.layout().last() + 1), VoiceClientError);
        EXPECT_THROW(sim.GetString(-1), VoiceClientError);
        EXPECT_EQ(sim.GetLong(HeaderIndex::VoiceEnabled) + sim.GetLong(HeaderIndex::SpeakerRouting), 2);
        sim.SetLong(HeaderIndex::AllToSpeaker, 5);
        EXPECT_EQ(sim.GetLong(HeaderIndex::AllToSpeaker), 5) << "flags keep what is written";
    });
    EXPECT_EQ(sim.queuedEvents(), 1u);
    ASSERT_TRUE(sim.LockMainPilotUser(0));
    EXPECT_THROW(sim.SetTransmitRadio(3), VoiceClientError);
    EXPECT_EQ(sim.TransmitRadio(), "1");
    sim.UnlockMainPilotUser();
    EXPECT_THROW(sim.advance(-1), std::invalid_argument);
}

TEST(SimulationLayout, FollowsTheOptionsAndRefusesWhatDoesNotFit)
{
    const Sim sim(SimulationOptions{.slotCount = 5, .firstIndex = 10});
    EXPECT_EQ(sim.value(HeaderIndex::SlotCount) * 100 + sim.value(HeaderIndex::FirstIndex), 510);
    for (const auto& [slots, first] :
        std::vector<std::pair<std::int32_t, std::int32_t>>{{-1, 7}, {65, 7}, {3, 6}, {3, 1 << 20}})
        EXPECT_THROW(Sim(SimulationOptions{.slotCount = slots, .firstIndex = first}), std::invalid_argument)
            << slots << ", " << first;
}

} // namespace
} // namespace norvo
