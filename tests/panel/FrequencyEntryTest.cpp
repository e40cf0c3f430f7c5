#include "PanelFixture.h"

namespace norvo::testing {
namespace {

struct FrequencyEntry : PanelTest {
    // Types the text with the caret at its end, then presses the key.
    std::int16_t press(const std::string& text, std::int16_t key)
    {
        freeChannel().setText(text);
        freeChannel().setSelStart(static_cast<std::int32_t>(text.size()));
        freeChannel().keyPress(key);
        return key;
    }
};

const Lines RefreshOfSlot2 = {"Norvo.LockObject(7) = True", "Norvo.GetLong(9) = 1", "Norvo.UnlockObject()"};

TEST_F(FrequencyEntry, EnterOnAnOfflineSlotAsksForTheTrimmedName)
{
    startBound();
    EXPECT_EQ(press("  LFPG_TWR\t ", 13), 13);
    EXPECT_EQ(calls(),
        (Lines{"Norvo.LockObject(7) = True", "Norvo.GetLong(9) = 0", "Norvo.UnlockObject()",
             "Norvo.LockObject(7) = True", "Norvo.SetLong(9, 1)", "Norvo.SetString(9, \"LFPG_TWR\\t\")",
             "Norvo.UnlockObject()"}
            + RefreshOfSlot2));
    EXPECT_EQ(freeChannel().text(), "  LFPG_TWR\t ");
    EXPECT_EQ(freeChannel().selStart(), 0);
    EXPECT_EQ(freeChannel().selLength(), 0);
}

TEST_F(FrequencyEntry, EnterOnAConnectedSlotLeavesThenJoins)
{
    startBound();
    voice.setLong(Handle, 9, 2);
    press("", 13);
    EXPECT_EQ(calls(),
        (Lines{"Norvo.LockObject(7) = True", "Norvo.GetLong(9) = 2", "Norvo.SetLong(9, 0)", "Norvo.UnlockObject()",
             "Norvo.LockObject(7) = True", "Norvo.GetLong(9) = 0", "Norvo.UnlockObject()", "Norvo.LockObject(7) = True",
             "Norvo.SetLong(9, 1)", "Norvo.SetString(9, \"\")", "Norvo.UnlockObject()"}
            + RefreshOfSlot2));
}

TEST_F(FrequencyEntry, OtherKeysAndPickingFromTheListCallNothing)
{
    startBound();
    EXPECT_EQ(press("EDDF", 65), 65);
    EXPECT_EQ(press("EDDF", 10), 10);
    freeChannel().click();
    EXPECT_TRUE(calls().empty());
}

TEST_F(FrequencyEntry, RefusedLocksLeaveTheSelection)
{
    panel->Initialize();
    calls();
    press("EDDF", 13);
    EXPECT_EQ(calls(), Lines(2, "Norvo.LockObject(0) = False"));
    EXPECT_EQ(freeChannel().selStart(), 4);
}

} // namespace
} // namespace norvo::testing
