#include "PanelFixture.h"

#include "support/ChangeCounter.h"

#include <limits>

namespace norvo::testing {
namespace {

constexpr Colour Green = 0x00C000;
constexpr Colour Grey = 0x404040;
constexpr Colour Orange = 0x0080FF;
constexpr Colour Cyan = 0xC0C000;
constexpr Colour Purple = 0x800080;

using RoomDisplay = PanelTest;

TEST_F(RoomDisplay, EventsOfAnotherObjectOrWithoutABranchReadNothing)
{
    startBound();
    const Lines shown = snapshot(panel->form());
    panel->Norvo_ObjectValueChanged(5, 2);
    for (const std::int32_t index :
        {0, 1, 5, 28, -1, std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min()})
        panel->Norvo_ObjectValueChanged(Handle, index);
    EXPECT_TRUE(calls().empty());
    EXPECT_EQ(snapshot(panel->form()), shown);
}

TEST_F(RoomDisplay, VoiceEnableShowsTheShownRoomsAndRepaintsTheSpeakers)
{
    startBound(2, 10);
    voice.setLong(Handle, 2, 1);
    panel->Norvo_ObjectValueChanged(Handle, 2);
    EXPECT_EQ(calls(),
        (Lines{"Norvo.LockObject(7) = True", "Norvo.GetLong(2) = 1", "Norvo.UnlockObject()",
            "Norvo.LockObject(7) = True", "Norvo.GetLong(2) = 1", "Norvo.GetLong(3) = 0", "Norvo.UnlockObject()"}));
    EXPECT_TRUE(control("Room", 0).visible());
    EXPECT_TRUE(control("Room", 1).visible());
    EXPECT_FALSE(control("Room", 2).visible());
    EXPECT_TRUE(control("RecvActivity").visible());
    EXPECT_TRUE(control("SendActivity").visible());

    voice.setLong(Handle, 2, 0);
    panel->Norvo_ObjectValueChanged(Handle, 2);
    EXPECT_EQ(calls(), (Lines{"Norvo.LockObject(7) = True", "Norvo.GetLong(2) = 0", "Norvo.UnlockObject()"}));
    EXPECT_FALSE(control("Room", 0).visible());
    EXPECT_FALSE(control("SendActivity").visible());
}

TEST_F(RoomDisplay, TwoRoomsNeverTouchTheFreeChannel)
{
    addObject(2, 10);
    for (std::int32_t i = 2; i < 24; ++i)
        voice.setLong(Handle, i, i % 3 == 0 ? 1 : 2);
    panel->Initialize();
    ChangeCounter paints(control("Room", 2));
    panel->Norvo_ObjectCreated(Handle);
    EXPECT_EQ(paints.count(), 0u);
}

struct Speakers {
    std::int32_t enabled, routing, all, flags[3];
    bool generalShown;
    std::int32_t generalStatus;
    bool shown[3];
    std::int32_t status[3];
};

class SpeakerButtons : public PanelTest, public ::testing::WithParamInterface<Speakers> { };

TEST_P(SpeakerButtons, FollowTheRoutingFlags)
{
    const Speakers& s = GetParam();
    startBound();
    for (auto [index, value] : {std::pair{2, s.enabled}, std::pair{3, s.routing}, std::pair{4, s.all},
             std::pair{10, s.flags[0]}, std::pair{11, s.flags[1]}, std::pair{12, s.flags[2]}})
        voice.setLong(Handle, index, value);
    for (auto& speaker : {&control<UserLabelGraph>("ToSpeaker", 0), &control<UserLabelGraph>("ToSpeaker", 2)})
        speaker->setVisible(true);
    panel->Norvo_ObjectValueChanged(Handle, 11);
    auto& general = control<UserLabelGraph>("GeneralSpeaker");
    EXPECT_EQ(general.visible(), s.generalShown);
    EXPECT_EQ(general.Status(), s.generalStatus);
    for (int k = 0; k < 3; ++k) {
        auto& speaker = control<UserLabelGraph>("ToSpeaker", k);
        EXPECT_EQ(speaker.visible(), s.shown[k]) << k;
        EXPECT_EQ(speaker.Status(), s.status[k]) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Flags, SpeakerButtons,
    ::testing::Values(Speakers{1, 1, 0, {1, 0, 1}, true, 0, {true, true, true}, {1, 0, 1}},
        Speakers{1, 1, 1, {1, 0, 1}, true, 1, {false, false, false}, {0, 0, 0}},
        Speakers{1, 0, 1, {1, 1, 1}, false, 0, {false, false, false}, {0, 0, 0}},
        Speakers{0, 1, 0, {1, 1, 1}, false, 0, {false, false, false}, {0, 0, 0}},
        Speakers{5, 7, 0, {7, 0, 0}, true, 0, {true, true, true}, {1, 0, 0}}));

TEST_F(RoomDisplay, SpeakerFlagsAreReadOnlyWhenTheFlagBeforeIsSet)
{
    startBound();
    panel->Norvo_ObjectValueChanged(Handle, 3);
    EXPECT_EQ(calls(), (Lines{"Norvo.LockObject(7) = True", "Norvo.GetLong(2) = 0", "Norvo.UnlockObject()"}));
}

TEST_F(RoomDisplay, SendBarFollowsTheTransmittingFlag)
{
    startBound();
    voice.setLong(Handle, 6, 3);
    panel->Norvo_ObjectValueChanged(Handle, 6);
    EXPECT_EQ(colour("SendActivity"), Purple);
    voice.setLong(Handle, 6, 0);
    panel->Norvo_ObjectValueChanged(Handle, 6);
    EXPECT_EQ(colour("SendActivity"), Cyan);
}

struct StateLook {
    std::int32_t state;
    Colour colour;
    const char* text;
};

class RoomStateLook : public PanelTest, public ::testing::WithParamInterface<StateLook> { };

TEST_P(RoomStateLook, PaintsStatusGreysActivityAndClearsTheTooltip)
{
    startBound();
    for (const int k : {0, 2}) {
        control("RoomSendActivity", k).setToolTipText("Active");
        control(k < 2 ? "Freq" : "FreqInfo", k).setToolTipText("old");
        voice.setLong(Handle, 7 + k, GetParam().state);
        panel->Norvo_ObjectValueChanged(Handle, 7 + k);
        EXPECT_EQ(colour("RoomStatus", k), GetParam().colour);
        EXPECT_EQ(tip("RoomStatus", k), GetParam().text);
        EXPECT_EQ(colour("RoomSendActivity", k), Grey);
        EXPECT_EQ(colour("RoomRecvActivity", k), Grey);
        EXPECT_EQ(tip("RoomSendActivity", k), "");
        EXPECT_EQ(tip(k < 2 ? "Freq" : "FreqInfo", k), "");
    }
    EXPECT_EQ(calls(),
        (Lines{"Norvo.LockObject(7) = True", "Norvo.GetLong(7) = " + std::to_string(GetParam().state),
            "Norvo.UnlockObject()", "Norvo.LockObject(7) = True",
            "Norvo.GetLong(9) = " + std::to_string(GetParam().state), "Norvo.UnlockObject()"}));
}

INSTANTIATE_TEST_SUITE_P(States, RoomStateLook,
    ::testing::Values(StateLook{0, Grey, "Offline"}, StateLook{1, 0x808000, "Pending"}, StateLook{3, Orange, "Failed"},
        StateLook{4, 0x0000FF, "Kicked"}));

TEST_F(RoomDisplay, ConnectedRadioRoomShowsActivityAndItsInformation)
{
    startBound();
    voice.setLong(Handle, 7, 2);
    voice.setLong(Handle, 22, 7);
    voice.setLong(Handle, 19, 1);
    voice.setText(Handle, 7, "R1");
    voice.setText(Handle, 10, "line1\r\nline2");
    const Colour sendBefore = colour("RoomSendActivity", 0);
    panel->Norvo_ObjectValueChanged(Handle, 7);
    EXPECT_EQ(calls(),
        (Lines{"Norvo.LockObject(7) = True", "Norvo.GetLong(7) = 2", "Norvo.GetLong(22) = 7", "Norvo.GetLong(19) = 1",
            "Norvo.GetString(10) = \"line1\\r\\nline2\"", "Norvo.GetString(7) = \"R1\"", "Norvo.UnlockObject()"}));
    EXPECT_EQ(colour("RoomStatus", 0), Green);
    EXPECT_EQ(tip("RoomStatus", 0), "Connected");
    EXPECT_EQ(colour("RoomSendActivity", 0), sendBefore);
    EXPECT_EQ(colour("RoomRecvActivity", 0), Orange);
    EXPECT_EQ(tip("RoomRecvActivity", 0), "Active");
    EXPECT_EQ(tip("Freq", 0), "R1 : line1  line2");
}

TEST_F(RoomDisplay, UnknownStateChangesNothing)
{
    startBound();
    const Lines shown = snapshot(panel->form());
    for (const std::int32_t state : {5, -1}) {
        voice.setLong(Handle, 8, state);
        panel->Norvo_ObjectValueChanged(Handle, 8);
    }
    EXPECT_EQ(snapshot(panel->form()), shown);
}

TEST_F(RoomDisplay, SendActivityShowsOnlyForAConnectedRoom)
{
    startBound();
    voice.setLong(Handle, 23, 1);
    voice.setLong(Handle, 8, 1);
    panel->Norvo_ObjectValueChanged(Handle, 23);
    EXPECT_EQ(calls(), (Lines{"Norvo.LockObject(7) = True", "Norvo.GetLong(8) = 1", "Norvo.UnlockObject()"}));
    EXPECT_EQ(colour("RoomSendActivity", 1), Grey);
    voice.setLong(Handle, 8, 2);
    for (const auto& [activity, look, text] :
        {std::tuple{1, Orange, "Active"}, std::tuple{0, Cyan, "Inactive"}, std::tuple{9, Cyan, "Inactive"}}) {
        voice.setLong(Handle, 23, activity);
        panel->Norvo_ObjectValueChanged(Handle, 23);
        EXPECT_EQ(colour("RoomSendActivity", 1), look);
        EXPECT_EQ(tip("RoomSendActivity", 1), text);
    }
}

TEST_F(RoomDisplay, ReceiveBarTurnsOnWithActivityAndWaitsForTheNextActivityEvent)
{
    startBound();
    voice.setLong(Handle, 8, 2);
    voice.setLong(Handle, 20, 1);
    panel->Norvo_ObjectValueChanged(Handle, 20);
    EXPECT_EQ(calls(),
        (Lines{"Norvo.LockObject(7) = True", "Norvo.GetLong(8) = 2", "Norvo.GetLong(20) = 1", "Norvo.GetLong(7) = 0",
            "Norvo.GetLong(8) = 2", "Norvo.GetLong(20) = 1", "Norvo.GetLong(9) = 0", "Norvo.UnlockObject()"}));
    EXPECT_EQ(colour("RoomRecvActivity", 1), Orange);
    EXPECT_EQ(colour("RecvActivity"), Purple);

    voice.setLong(Handle, 8, 0);
    panel->Norvo_ObjectValueChanged(Handle, 8);
    EXPECT_EQ(colour("RoomRecvActivity", 1), Grey);
    EXPECT_EQ(colour("RecvActivity"), Purple);
    panel->Norvo_ObjectValueChanged(Handle, 21);
    EXPECT_EQ(colour("RecvActivity"), Cyan);
}

TEST_F(RoomDisplay, MuteOfARadioSlotIsTheRadioRefreshAndOfTheFreeChannelItsButton)
{
    startBound();
    for (const std::int32_t index : {13, 17}) {
        panel->Norvo_ObjectValueChanged(Handle, index);
        EXPECT_EQ(calls(), Lines{"Norvo.LockMainPilotUser(0) = False"});
    }
    for (const auto& [index, button] : {std::pair{15, "COMReceive"}, std::pair{18, "COMTransmit"}}) {
        voice.setLong(Handle, index, 1);
        panel->Norvo_ObjectValueChanged(Handle, index);
        EXPECT_EQ(colour(button, 2), Grey);
        voice.setLong(Handle, index, 0);
        panel->Norvo_ObjectValueChanged(Handle, index);
        EXPECT_EQ(colour(button, 2), Green);
    }
}

TEST_F(RoomDisplay, PriorityIsPaintedForEverySlot)
{
    startBound();
    voice.setLong(Handle, 25, 1);
    panel->Norvo_ObjectValueChanged(Handle, 25);
    panel->Norvo_ObjectValueChanged(Handle, 26);
    EXPECT_EQ(colour("PriorityChannel", 0), Green);
    EXPECT_EQ(colour("PriorityChannel", 1), Grey);
}

} // namespace
} // namespace norvo::testing
