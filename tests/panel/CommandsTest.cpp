#include "PanelFixture.h"
#include "support/PanelEvents.h"

#include "support/ChangeCounter.h"

namespace norvo::testing {
namespace {

using Commands = PanelTest;

// A button's key handler: Return and Space click it, other keys do nothing.
TEST_F(Commands, ReturnAndSpaceOnAButtonAreItsClickOtherKeysNothing)
{
    startBound();
    for (const std::int16_t key : {std::int16_t{65}, std::int16_t{27}, std::int16_t{9}}) {
        std::int16_t keyAscii = key;
        control("PriorityChannel", 1).keyPress(keyAscii);
        control("GeneralSpeaker").keyPress(keyAscii);
    }
    EXPECT_TRUE(calls().empty());
    for (std::int16_t keyAscii : {std::int16_t{13}, std::int16_t{32}})
        control("PriorityChannel", 1).keyPress(keyAscii);
    EXPECT_EQ(calls(),
        (Lines{"Norvo.LockObject(7) = True", "Norvo.GetLong(26) = 0", "Norvo.SetLong(26, 1)", "Norvo.UnlockObject()",
            "Norvo.LockObject(7) = True", "Norvo.GetLong(26) = 1", "Norvo.UnlockObject()", "Norvo.LockObject(7) = True",
            "Norvo.GetLong(26) = 1", "Norvo.SetLong(26, 0)", "Norvo.UnlockObject()", "Norvo.LockObject(7) = True",
            "Norvo.GetLong(26) = 0", "Norvo.UnlockObject()"}));
}

TEST_F(Commands, EnterAsksForTheRoomNameTrimmedOfSpacesOnly)
{
    startBound();
    pressEnter("  LFPG_TWR\t ");
    EXPECT_TRUE(contains(calls(), "Norvo.SetString(9, \"LFPG_TWR\\t\")"));
}

TEST_F(Commands, EnterWithNothingBoundLeavesTheSelection)
{
    panel->Initialize();
    calls();
    pressEnter("EDDF");
    EXPECT_EQ(calls(), Lines(2, "Norvo.LockObject(0) = False"));
    EXPECT_EQ(freeChannel().selStart(), 4);
}

TEST_F(Commands, FirstRoomEverJoinedIsStoredAtOnce)
{
    startBound();
    voice.setLong(Handle, 9, 2);
    voice.setText(Handle, 9, " EDDF_TWR ");
    raiseEvent(*panel, VoiceEvent::Kind::ObjectValueChanged, Handle, 9);
    EXPECT_EQ(freeChannel().items(), Lines{"EDDF_TWR"});
    EXPECT_EQ(settings.GetSetting("NORVOUITOKA", "PRIVATE", "CHANNEL0", ""), "EDDF_TWR");
    EXPECT_EQ(settings.writeCount(), 1u);
}

// Every refresh of a connected free channel remembers its room; one that
// changes nothing leaves the list and the store alone.
TEST_F(Commands, RoomAlreadyOnTopIsNeitherMovedNorWritten)
{
    settings.SaveSetting("NORVOUITOKA", "PRIVATE", "CHANNEL0", "A");
    startBound();
    voice.setLong(Handle, 9, 2);
    voice.setText(Handle, 9, "B");
    raiseEvent(*panel, VoiceEvent::Kind::ObjectValueChanged, Handle, 9);
    const std::size_t writes = settings.writeCount();
    ChangeCounter changes(freeChannel());
    raiseEvent(*panel, VoiceEvent::Kind::ObjectValueChanged, Handle, 9);
    raiseEvent(*panel, VoiceEvent::Kind::ObjectCreated, Handle);
    EXPECT_EQ(changes.count(), 0u);
    EXPECT_EQ(settings.writeCount(), writes);
    EXPECT_EQ(freeChannel().items(), (Lines{"B", "A"}));
    // Changed from outside, the store gets the list again.
    settings.SaveSetting("NORVOUITOKA", "PRIVATE", "CHANNEL1", "C");
    raiseEvent(*panel, VoiceEvent::Kind::ObjectValueChanged, Handle, 9);
    EXPECT_EQ(settings.GetSetting("NORVOUITOKA", "PRIVATE", "CHANNEL1", ""), "A");
}

} // namespace
} // namespace norvo::testing
