#include "PanelFixture.h"
#include "support/PanelEvents.h"

#include "platform/CheckedMath.h"

#include <algorithm>
#include <functional>
#include <limits>

namespace norvo::testing {
namespace {

struct Failure {
    const char* member;
    std::function<void(TOKA&)> run;
    // The call right after the failed one, which ends the handler; none when
    // the failed call was the unlock itself.
    const char* after;
};

void PrintTo(const Failure& c, std::ostream* out) { *out << c.member << " fails"; }

class FailingVoiceClient : public PanelTest, public ::testing::WithParamInterface<Failure> { };

TEST_P(FailingVoiceClient, ErrorReachesTheCallerAndTheLockIsReleasedOnce)
{
    const Failure& failure = GetParam();
    startBound();
    setPilot("1", "1");
    voice.setLong(Handle, 9, 2);
    voice.addObject(8, "VOICE", "TOKA");
    voice.failNext(failure.member);
    EXPECT_THROW(failure.run(*panel), VoiceClientError);
    const Lines lines = calls();
    const auto failed
        = std::find_if(lines.begin(), lines.end(), [](const std::string& line) { return line.ends_with(" failed"); });
    ASSERT_NE(failed, lines.end());
    EXPECT_TRUE(failed->starts_with("Norvo." + std::string(failure.member) + "(")) << *failed;
    EXPECT_EQ(Lines(failed + 1, lines.end()), failure.after ? Lines{failure.after} : Lines{});
    if (failure.after) {
        EXPECT_FALSE(voice.lockedObject());
        EXPECT_FALSE(voice.pilotLocked());
    }
}

const char* const UnlockObject = "Norvo.UnlockObject()";
const char* const UnlockPilot = "Norvo.UnlockMainPilotUser()";

void value(TOKA& panel, std::int32_t index) { raiseEvent(panel, VoiceEvent::Kind::ObjectValueChanged, 7, index); }
std::string caseName(const ::testing::TestParamInfo<Failure>& info)
{
    return std::string(info.param.member) + std::to_string(info.index);
}
void enter(TOKA& panel)
{
    std::int16_t key = 13;
    panel.form().at("FreqInfo", 2).keyPress(key);
}

INSTANTIATE_TEST_SUITE_P(Handlers, FailingVoiceClient,
    ::testing::Values(
        Failure{"ObjectName", [](TOKA& p) { raiseEvent(p, VoiceEvent::Kind::ObjectCreated, 8); }, UnlockObject},
        Failure{"GetLong", [](TOKA& p) { value(p, 25); }, UnlockObject},
        Failure{"GetString", [](TOKA& p) { value(p, 9); }, UnlockObject},
        Failure{"GetString", [](TOKA& p) { raiseEvent(p, VoiceEvent::Kind::ObjectTextChanged, 7, 12); }, UnlockObject},
        Failure{"Com2Frequency", [](TOKA& p) { raiseEvent(p, VoiceEvent::Kind::MainPilotUserChanged); }, UnlockPilot},
        Failure{"SetReceiveBoth", [](TOKA& p) { p.form().at("COMReceive", 1).click(); }, UnlockPilot},
        Failure{"SetLong", [](TOKA& p) { p.form().at("RoomStatus", 2).click(); }, UnlockObject},
        Failure{"SetLong", enter, UnlockObject}),
    caseName);

// Every handler that locks, the first unlock failing: the error ends the
// handler, and the unlock is not asked for again.
std::vector<Failure> failedUnlocks()
{
    using Run = std::function<void(TOKA&)>;
    std::vector<Failure> cases;
    const auto add = [&](const char* unlock, std::initializer_list<Run> runs) {
        for (const Run& run : runs)
            cases.push_back({unlock, run, nullptr});
    };
    for (const std::int32_t index : {2, 3, 6, 9, 21, 24, 15, 18, 27})
        add("UnlockObject", {[index](TOKA& p) { value(p, index); }});
    add("UnlockObject",
        {[](TOKA& p) { raiseEvent(p, VoiceEvent::Kind::ObjectCreated, 8); },
            [](TOKA& p) { raiseEvent(p, VoiceEvent::Kind::ObjectTextChanged, 7, 12); },
            [](TOKA& p) { raiseEvent(p, VoiceEvent::Kind::MainPilotUserChanged); },
            [](TOKA& p) { p.form().at("PriorityChannel", 2).click(); },
            [](TOKA& p) { p.form().at("ToSpeaker", 0).click(); },
            [](TOKA& p) { p.form().at("GeneralSpeaker").click(); },
            [](TOKA& p) { p.form().at("COMReceive", 2).click(); },
            [](TOKA& p) { p.form().at("COMTransmit", 2).click(); },
            [](TOKA& p) { p.form().at("COMTransmit", 0).click(); },
            [](TOKA& p) { p.form().at("RoomStatus", 2).click(); }, enter});
    add("UnlockMainPilotUser",
        {[](TOKA& p) { raiseEvent(p, VoiceEvent::Kind::MainPilotUserCreated); },
            [](TOKA& p) { raiseEvent(p, VoiceEvent::Kind::MainPilotUserDeleted); },
            [](TOKA& p) { raiseEvent(p, VoiceEvent::Kind::ObjectDeleted, 7); },
            [](TOKA& p) { raiseEvent(p, VoiceEvent::Kind::Disconnected); },
            [](TOKA& p) { p.form().at("COMReceive", 0).click(); },
            [](TOKA& p) { p.form().at("COMTransmit", 1).click(); }, [](TOKA& p) { p.Initialize(); }});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(FailedUnlock, FailingVoiceClient, ::testing::ValuesIn(failedUnlocks()), caseName);

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
            raiseEvent(*panel, VoiceEvent::Kind::ObjectValueChanged, Handle, 9);
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
    raiseEvent(*panel, VoiceEvent::Kind::ObjectValueChanged, Handle, 9);
    EXPECT_EQ(panel->settingsProblem(), std::nullopt);
    EXPECT_EQ(settings.GetAllSettings("NORVOUITOKA", "PRIVATE").front(),
        (std::pair<std::string, std::string>{"CHANNEL0", "B"}));
}

TEST_F(PanelTest, FailedUnlockAfterAFailedCallIsDroppedForTheFirstError)
{
    startBound();
    voice.failNext("GetLong");
    voice.failNext("UnlockObject");
    EXPECT_THROW(
        try { panel->form().at("PriorityChannel", 0).click(); } catch (const VoiceClientError& error) {
            EXPECT_STREQ(error.what(), "Norvo.GetLong failed: failure injected");
            throw;
        },
        VoiceClientError);
    EXPECT_EQ(
        calls(), (Lines{"Norvo.LockObject(7) = True", "Norvo.GetLong(25) failed", "Norvo.UnlockObject() failed"}));
}

TEST_F(PanelTest, SlotIndexBeyond32BitsIsAnErrorAndWritesNothing)
{
    startBound(0, std::numeric_limits<std::int32_t>::max());
    EXPECT_THROW(panel->form().at("RoomStatus", 2).click(), ArithmeticOverflow);
    EXPECT_THROW(panel->form().at("PriorityChannel", 1).click(), ArithmeticOverflow);
    EXPECT_EQ(calls(),
        (Lines{"Norvo.LockObject(7) = True", "Norvo.UnlockObject()", "Norvo.LockObject(7) = True",
            "Norvo.UnlockObject()"}));
}

} // namespace
} // namespace norvo::testing
