#include "PanelFixture.h"

#include <limits>

namespace norvo::testing {
namespace {

constexpr Colour On = 0x00C000;
constexpr Colour Off = 0x004080;

using RadioDisplay = PanelTest;

struct Selection {
    const char* receive;
    const char* transmit;
    bool bound;
    std::int32_t mutes[4]; // receive slot 0, 1, transmit slot 0, 1
    Colour expected[4]; // COMReceive(0), COMReceive(1), COMTransmit(0), COMTransmit(1)
};

class RadioSelection : public PanelTest, public ::testing::WithParamInterface<Selection> { };

TEST_P(RadioSelection, LightsTheSelectedRadiosThatAreNotMuted)
{
    const Selection& s = GetParam();
    addObject(3, 7);
    for (int i = 0; i < 4; ++i)
        voice.setLong(Handle, i < 2 ? 13 + i : 16 + i - 2, s.mutes[i]);
    if (s.bound)
        panel->Norvo_ObjectCreated(Handle);
    setPilot(s.receive, s.transmit);
    panel->Norvo_MainPilotUserChanged();
    EXPECT_EQ(colour("COMReceive", 0), s.expected[0]);
    EXPECT_EQ(colour("COMReceive", 1), s.expected[1]);
    EXPECT_EQ(colour("COMTransmit", 0), s.expected[2]);
    EXPECT_EQ(colour("COMTransmit", 1), s.expected[3]);
}

INSTANTIATE_TEST_SUITE_P(Selections, RadioSelection,
    ::testing::Values(Selection{"1", "2", true, {0, 0, 0, 0}, {On, Off, Off, On}},
        Selection{"1", "2", true, {1, 0, 0, 7}, {Off, Off, Off, Off}},
        Selection{"2", "1", true, {1, 0, 0, 1}, {Off, On, On, Off}},
        Selection{"B", "B", true, {1, 0, 0, 1}, {Off, On, On, Off}},
        Selection{"B", "B", true, {0, 0, 0, 0}, {On, On, On, On}},
        Selection{"1", "2", false, {1, 1, 1, 1}, {On, Off, Off, On}},
        Selection{"B", "2", false, {1, 1, 1, 1}, {On, On, Off, On}},
        Selection{"b", "", true, {0, 0, 0, 0}, {Off, Off, Off, Off}},
        Selection{"3", "B ", false, {0, 0, 0, 0}, {Off, Off, Off, Off}}));

TEST_F(RadioDisplay, ReadsThePilotThenTheMuteFlagsOfTheSelectedSlots)
{
    startBound();
    setPilot("B", "2");
    panel->Norvo_MainPilotUserChanged();
    EXPECT_EQ(calls(),
        (Lines{"Norvo.LockMainPilotUser(0) = True", "Norvo.ReceiveRadio() = \"B\"", "Norvo.TransmitRadio() = \"2\"",
            "Norvo.Com1Frequency() = \"122.800\"", "Norvo.Com2Frequency() = \"121.500\"", "Norvo.UnlockMainPilotUser()",
            "Norvo.LockObject(7) = True", "Norvo.GetLong(13) = 0", "Norvo.GetLong(14) = 0", "Norvo.GetLong(17) = 0",
            "Norvo.UnlockObject()"}));
    EXPECT_EQ(control<Label>("Freq", 0).caption(), "122.800");
    EXPECT_EQ(control<Label>("Freq", 1).caption(), "121.500");

    voice.setPilot(std::nullopt);
    panel->Norvo_MainPilotUserChanged();
    EXPECT_EQ(calls(), Lines{"Norvo.LockMainPilotUser(0) = False"});
    EXPECT_EQ(control<Label>("Freq", 0).caption(), "COMM1");
    EXPECT_EQ(control<Label>("Freq", 1).caption(), "COMM2");
    for (const char* button : {"COMReceive", "COMTransmit"})
        for (int k = 0; k < 2; ++k)
            EXPECT_EQ(colour(button, k), Off);
}

TEST_F(RadioDisplay, InformationTextOfAConnectedRadioRoomGoesToItsFrequencyTooltip)
{
    startBound();
    voice.setLong(Handle, 7, 2);
    voice.setText(Handle, 7, "EDDF_TWR");
    voice.setText(Handle, 10, "line1\r\nline2");
    panel->Norvo_ObjectTextChanged(Handle, 10);
    EXPECT_EQ(calls(),
        (Lines{"Norvo.LockObject(7) = True", "Norvo.GetLong(7) = 2", "Norvo.GetString(10) = \"line1\\r\\nline2\"",
            "Norvo.GetString(7) = \"EDDF_TWR\"", "Norvo.UnlockObject()"}));
    EXPECT_EQ(tip("Freq", 0), "EDDF_TWR : line1  line2");

    voice.setLong(Handle, 7, 1);
    panel->Norvo_ObjectTextChanged(Handle, 10);
    EXPECT_EQ(tip("Freq", 0), "");
}

TEST_F(RadioDisplay, InformationTextOfTheFreeChannelIsTheTextAlone)
{
    startBound();
    voice.setLong(Handle, 9, 2);
    voice.setText(Handle, 12, "a\nb\rc");
    panel->Norvo_ObjectTextChanged(Handle, 12);
    EXPECT_EQ(calls(),
        (Lines{"Norvo.LockObject(7) = True", "Norvo.GetLong(9) = 2", "Norvo.GetString(12) = \"a\\nb\\rc\"",
            "Norvo.UnlockObject()"}));
    EXPECT_EQ(tip("FreqInfo", 2), "a  bc");
    EXPECT_TRUE(freeChannel().items().empty());
}

TEST_F(RadioDisplay, TextChangesOutsideTheInformationBlockOrOfAnotherObjectAreIgnored)
{
    startBound();
    for (const std::int32_t index : {0, 7, 9, 13, 25, -1, std::numeric_limits<std::int32_t>::max()})
        panel->Norvo_ObjectTextChanged(Handle, index);
    panel->Norvo_ObjectTextChanged(8, 10);
    EXPECT_TRUE(calls().empty());
}

} // namespace
} // namespace norvo::testing
