#include "PanelFixture.h"

#include "platform/CheckedMath.h"

#include <functional>
#include <limits>

namespace norvo::testing {
namespace {

struct Failure {
    const char* member;
    std::function<void(TOKA&)> run;
    const char* lastCall; // the release that follows the failed call
};

class FailingVoiceClient : public PanelTest, public ::testing::WithParamInterface<Failure> { };

TEST_P(FailingVoiceClient, ErrorReachesTheCallerAndTheLockIsReleased)
{
    startBound();
    setPilot("1", "1");
    voice.setLong(Handle, 9, 2);
    voice.addObject(8, "VOICE", "TOKA");
    voice.failNext(GetParam().member);
    EXPECT_THROW(GetParam().run(*panel), VoiceClientError);
    const Lines lines = calls();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2].substr(0, 6 + std::string(GetParam().member).size()),
        "Norvo." + std::string(GetParam().member));
    EXPECT_EQ(lines.back(), GetParam().lastCall);
    EXPECT_FALSE(voice.lockedObject());
    EXPECT_FALSE(voice.pilotLocked());
}

const char* const UnlockObject = "Norvo.UnlockObject()";
const char* const UnlockPilot = "Norvo.UnlockMainPilotUser()";

INSTANTIATE_TEST_SUITE_P(Handlers, FailingVoiceClient,
    ::testing::Values(Failure{"ObjectName", [](TOKA& p) { p.Norvo_ObjectCreated(8); }, UnlockObject},
        Failure{"GetLong", [](TOKA& p) { p.Norvo_ObjectValueChanged(7, 25); }, UnlockObject},
        Failure{"GetString", [](TOKA& p) { p.Norvo_ObjectValueChanged(7, 9); }, UnlockObject},
        Failure{"GetString", [](TOKA& p) { p.Norvo_ObjectTextChanged(7, 12); }, UnlockObject},
        Failure{"Com2Frequency", [](TOKA& p) { p.Norvo_MainPilotUserChanged(); }, UnlockPilot},
        Failure{"SetLong", [](TOKA& p) { p.PriorityChannel_Click(2); }, UnlockObject},
        Failure{"SetReceiveBoth", [](TOKA& p) { p.COMReceive_Click(1); }, UnlockPilot},
        Failure{"SetLong", [](TOKA& p) { p.RoomStatus_Click(2); }, UnlockObject},
        Failure{"SetLong",
            [](TOKA& p) {
                std::int16_t enter = 13;
                p.FreqInfo_KeyPress(2, enter);
            },
            UnlockObject}),
    [](const auto& info) { return std::string(info.param.member) + std::to_string(info.index); });

// A store that cannot keep the list ends the refresh; the host hears of the
// problem first, once while it lasts, and the list stays in memory.
TEST_F(PanelTest, FailedSaveKeepsTheListAndTellsTheHostFirst)
{
    const SettingsProblem problem{SettingsProblem::Kind::Unwritable, "/home/u/.config/NORVOUITOKA.ini", "read-only"};
    std::vector<SettingsProblem> reported;
    bool thrownBeforeReport = false;
    panel->SettingsProblemFound.connect([&](const SettingsProblem& found) { reported.push_back(found); });
    startBound();
    settings.failWrites(problem);
    voice.setLong(Handle, 9, 2);
    for (const char* room : {"A", "B"}) {
        voice.setText(Handle, 9, room);
        try {
            panel->Norvo_ObjectValueChanged(Handle, 9);
        } catch (const SettingsError& error) {
            thrownBeforeReport = thrownBeforeReport || reported.empty();
            EXPECT_EQ(error.problem(), problem);
        }
    }
    EXPECT_FALSE(thrownBeforeReport);
    EXPECT_EQ(reported, std::vector<SettingsProblem>{problem});
    EXPECT_EQ(panel->settingsProblem(), problem);
    EXPECT_EQ(freeChannel().items(), (Lines{"B", "A"}));
    EXPECT_FALSE(voice.lockedObject());

    settings.failWrites(std::nullopt);
    panel->Norvo_ObjectValueChanged(Handle, 9);
    EXPECT_EQ(panel->settingsProblem(), std::nullopt);
    EXPECT_EQ(settings.GetAllSettings("NORVOUITOKA", "PRIVATE").front(),
        (std::pair<std::string, std::string>{"CHANNEL0", "B"}));
}

TEST_F(PanelTest, FailedUnlockIsNotRetriedAndEndsTheHandler)
{
    startBound();
    voice.failNext("UnlockObject");
    EXPECT_THROW(panel->PriorityChannel_Click(0), VoiceClientError);
    EXPECT_EQ(calls(),
        (Lines{"Norvo.LockObject(7) = True", "Norvo.GetLong(25) = 0", "Norvo.SetLong(25, 1)",
            "Norvo.UnlockObject() failed"}));

    voice.failNext("UnlockMainPilotUser");
    setPilot("1", "1");
    EXPECT_THROW(panel->Norvo_MainPilotUserChanged(), VoiceClientError);
    EXPECT_EQ(calls().back(), "Norvo.UnlockMainPilotUser() failed");
}

TEST_F(PanelTest, SlotIndexBeyond32BitsIsAnErrorAndWritesNothing)
{
    startBound(0, std::numeric_limits<std::int32_t>::max());
    EXPECT_THROW(panel->RoomStatus_Click(2), ArithmeticOverflow);
    EXPECT_THROW(panel->PriorityChannel_Click(1), ArithmeticOverflow);
    EXPECT_EQ(calls(),
        (Lines{"Norvo.LockObject(7) = True", "Norvo.UnlockObject()", "Norvo.LockObject(7) = True",
            "Norvo.UnlockObject()"}));
}

} // namespace
} // namespace norvo::testing
