#include "PanelFixture.h"

#include "labels/UserLabel.h"

namespace norvo::testing {
namespace {

using Commands = PanelTest;

TEST_F(Commands, PriorityClickTogglesThenRefreshesThatIndex)
{
    startBound();
    control("PriorityChannel", 2).click();
    EXPECT_EQ(calls(),
        (Lines{"Norvo.LockObject(7) = True", "Norvo.GetLong(27) = 0", "Norvo.SetLong(27, 1)", "Norvo.UnlockObject()",
            "Norvo.LockObject(7) = True", "Norvo.GetLong(27) = 1", "Norvo.UnlockObject()"}));
    EXPECT_EQ(colour("PriorityChannel", 2), 0x00C000u);
}

struct Toggle {
    const char* control;
    int index;
    std::int32_t property;
    std::int32_t before;
    std::int32_t written;
};

class FlagToggle : public PanelTest, public ::testing::WithParamInterface<Toggle> { };

TEST_P(FlagToggle, WritesZeroForAnySetFlagAndOneOtherwise)
{
    const Toggle& t = GetParam();
    startBound();
    voice.setLong(Handle, t.property, t.before);
    Control& button = control(t.control, t.index);
    if (auto* skinned = dynamic_cast<UserLabel*>(&button))
        skinned->lblCaption().click();
    else
        button.click();
    const Lines lines = calls();
    const std::string read = "Norvo.GetLong(" + std::to_string(t.property) + ") = " + std::to_string(t.before);
    const std::string write = "Norvo.SetLong(" + std::to_string(t.property) + ", " + std::to_string(t.written) + ")";
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 5),
        (Lines{"Norvo.LockObject(7) = True", read, write, "Norvo.UnlockObject()", "Norvo.LockObject(7) = True"}));
}

INSTANTIATE_TEST_SUITE_P(Buttons, FlagToggle,
    ::testing::Values(Toggle{"PriorityChannel", 0, 25, 5, 0}, Toggle{"ToSpeaker", 1, 11, 0, 1},
        Toggle{"GeneralSpeaker", -1, 4, 1, 0}, Toggle{"COMReceive", 2, 15, 0, 1}, Toggle{"COMTransmit", 2, 18, -3, 0}));

TEST_F(Commands, RefusedLocksDoNothing)
{
    panel->Initialize();
    calls();
    for (const char* button : {"PriorityChannel", "RoomStatus", "COMReceive"})
        control(button, 2).click();
    EXPECT_EQ(calls(), Lines(3, "Norvo.LockObject(0) = False"));
    for (const char* button : {"COMReceive", "COMTransmit"})
        control(button, 0).click();
    EXPECT_EQ(calls(), Lines(2, "Norvo.LockMainPilotUser(0) = False"));
}

struct RadioCase {
    const char* control;
    int index;
    const char* receive;
    const char* transmit;
    std::int32_t flag;
    Lines expected; // between reading the selection and the radio refresh
};

class RadioCommand : public PanelTest, public ::testing::WithParamInterface<RadioCase> { };

TEST_P(RadioCommand, MutesTheHeardRadioOrSwitchesTheSelection)
{
    const RadioCase& c = GetParam();
    startBound();
    voice.setLong(Handle, 13 + c.index, c.flag);
    voice.setLong(Handle, 16 + c.index, c.flag);
    setPilot(c.receive, c.transmit);
    control(c.control, c.index).click();
    const bool receive = c.control == std::string("COMReceive");
    Lines expected{"Norvo.LockMainPilotUser(0) = True"};
    if (receive)
        expected.push_back("Norvo.ReceiveRadio() = " + CallLog::quote(c.receive));
    expected.push_back("Norvo.TransmitRadio() = " + CallLog::quote(c.transmit));
    expected = expected + c.expected + Lines{"Norvo.LockMainPilotUser(0) = True"};
    const Lines lines = calls();
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(expected.size())), expected);
}

const Lines Unlock = {"Norvo.UnlockMainPilotUser()"};
Lines flip(std::int32_t property, std::int32_t from)
{
    return Lines{"Norvo.UnlockMainPilotUser()", "Norvo.LockObject(7) = True",
        "Norvo.GetLong(" + std::to_string(property) + ") = " + std::to_string(from),
        "Norvo.SetLong(" + std::to_string(property) + ", " + (from ? "0" : "1") + ")", "Norvo.UnlockObject()"};
}

INSTANTIATE_TEST_SUITE_P(Selections, RadioCommand,
    ::testing::Values(RadioCase{"COMReceive", 0, "1", "2", 0, flip(13, 0)},
        RadioCase{"COMReceive", 0, "2", "2", 0, Lines{"Norvo.SetReceiveBoth(True)"} + Unlock},
        RadioCase{"COMReceive", 0, "B", "2", 0, Lines{"Norvo.SetReceiveBoth(False)"} + Unlock},
        RadioCase{"COMReceive", 0, "B", "1", 1, flip(13, 1)},
        RadioCase{"COMReceive", 0, "", "1", 0, Lines{"Norvo.SetReceiveBoth(True)"} + Unlock},
        RadioCase{"COMReceive", 1, "2", "1", 0, flip(14, 0)},
        RadioCase{"COMReceive", 1, "1", "1", 0, Lines{"Norvo.SetReceiveBoth(True)"} + Unlock},
        RadioCase{"COMReceive", 1, "B", "1", 0, Lines{"Norvo.SetReceiveBoth(False)"} + Unlock},
        RadioCase{"COMReceive", 1, "B", "2", 5, flip(14, 5)},
        RadioCase{"COMTransmit", 1, "1", "1", 1,
            Lines{"Norvo.SetTransmitRadio(2)", "Norvo.UnlockMainPilotUser()", "Norvo.LockObject(7) = True",
                "Norvo.GetLong(17) = 1", "Norvo.SetLong(17, 0)", "Norvo.UnlockObject()"}},
        RadioCase{"COMTransmit", 1, "1", "1", 0,
            Lines{"Norvo.SetTransmitRadio(2)", "Norvo.UnlockMainPilotUser()", "Norvo.LockObject(7) = True",
                "Norvo.GetLong(17) = 0", "Norvo.UnlockObject()"}},
        RadioCase{"COMTransmit", 1, "1", "B", 0, flip(17, 0)}, RadioCase{"COMTransmit", 0, "2", "1", 1, flip(16, 1)}));

TEST_F(Commands, RadioCommandWithNothingBoundStillRefreshesTheRadios)
{
    panel->Initialize();
    setPilot("1", "1");
    calls();
    control("COMReceive", 0).click();
    EXPECT_EQ(calls(),
        (Lines{"Norvo.LockMainPilotUser(0) = True", "Norvo.ReceiveRadio() = \"1\"", "Norvo.TransmitRadio() = \"1\"",
            "Norvo.UnlockMainPilotUser()", "Norvo.LockObject(0) = False", "Norvo.LockMainPilotUser(0) = True",
            "Norvo.ReceiveRadio() = \"1\"", "Norvo.TransmitRadio() = \"1\"", "Norvo.Com1Frequency() = \"122.800\"",
            "Norvo.Com2Frequency() = \"121.500\"", "Norvo.UnlockMainPilotUser()", "Norvo.LockObject(0) = False"}));
}

struct RoomCase {
    int index;
    std::int32_t state;
    Lines writes;
};

class RoomStatusClick : public PanelTest, public ::testing::WithParamInterface<RoomCase> { };

TEST_P(RoomStatusClick, LeavesAConnectedRoomAndAsksForAnyOther)
{
    const RoomCase& c = GetParam();
    startBound();
    freeChannel().setText("  LFPG ");
    const std::int32_t property = 7 + c.index;
    voice.setLong(Handle, property, c.state);
    control("RoomStatus", c.index).click();
    const Lines expected = Lines{"Norvo.LockObject(7) = True",
                               "Norvo.GetLong(" + std::to_string(property) + ") = " + std::to_string(c.state)}
        + c.writes + Lines{"Norvo.UnlockObject()", "Norvo.LockObject(7) = True"};
    const Lines lines = calls();
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(expected.size())), expected);
}

INSTANTIATE_TEST_SUITE_P(States, RoomStatusClick,
    ::testing::Values(RoomCase{0, 1, {"Norvo.SetLong(7, 1)"}}, RoomCase{1, 4, {"Norvo.SetLong(8, 1)"}},
        RoomCase{1, 2, {"Norvo.SetLong(8, 0)"}},
        RoomCase{2, 3, {"Norvo.SetLong(9, 1)", "Norvo.SetString(9, \"  LFPG \")"}},
        RoomCase{2, 2, {"Norvo.SetLong(9, 0)"}}));

} // namespace
} // namespace norvo::testing
