#include "sim/SimulatedVoiceClient.h"

#include "EventRecorder.h"

#include <gtest/gtest.h>

#include <functional>

namespace norvo {
namespace {

using Sim = SimulatedVoiceClient;

// Voice handle 2: the object after the unrelated one.
constexpr std::int32_t Voice = 2;

void lockObject(Sim& sim)
{
    std::int32_t handle = Voice;
    ASSERT_TRUE(sim.LockObject(handle));
}

struct Misuse {
    const char* name;
    std::function<void(Sim&)> act;
    const char* call;
};

class ContractBreach : public ::testing::TestWithParam<Misuse> { };

// Each misuse throws a violation naming the offending call, is kept in the
// list, and changes nothing in the network.
TEST_P(ContractBreach, IsReportedNamingTheCall)
{
    Sim sim;
    sim.Attach();
    sim.BeginUpdates();
    try {
        GetParam().act(sim);
        FAIL() << "no violation";
    } catch (const ContractViolation& violation) {
        EXPECT_EQ(violation.call(), GetParam().call);
        EXPECT_NE(std::string(violation.what()).find(GetParam().call), std::string::npos) << violation.what();
    }
    ASSERT_EQ(sim.contract().violations().size(), 1u);
    EXPECT_EQ(sim.contract().violations().front().call(), GetParam().call);
    EXPECT_EQ(sim.value(27), 0);
    EXPECT_EQ(sim.pilot().receive, "1");
    EXPECT_EQ(sim.queuedEvents(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Misuses, ContractBreach,
    ::testing::Values(Misuse{"ReadWithoutLock", [](Sim& s) { s.GetLong(3); }, "GetLong(3)"},
        Misuse{"WriteWithoutLock", [](Sim& s) { s.SetLong(27, 1); }, "SetLong(27, 1)"},
        Misuse{"TextWithoutLock", [](Sim& s) { s.GetString(9); }, "GetString(9)"},
        Misuse{"TypeWithoutLock", [](Sim& s) { s.ObjectType(); }, "ObjectType()"},
        Misuse{"ReadAfterRefusedLock",
            [](Sim& s) {
                std::int32_t none = 0;
                s.LockObject(none);
                s.GetLong(0);
            },
            "GetLong(0)"},
        Misuse{"ReadAfterUnlock",
            [](Sim& s) {
                lockObject(s);
                s.UnlockObject();
                s.SetLong(27, 1);
            },
            "SetLong(27, 1)"},
        Misuse{"RadiosWithoutLock", [](Sim& s) { s.ReceiveRadio(); }, "ReceiveRadio()"},
        Misuse{"RadioWriteWithoutLock", [](Sim& s) { s.SetReceiveBoth(true); }, "SetReceiveBoth(True)"},
        Misuse{"ObjectUnderPilotLock",
            [](Sim& s) {
                s.LockMainPilotUser(0);
                std::int32_t handle = Voice;
                s.LockObject(handle);
            },
            "LockObject(2)"},
        Misuse{"PilotUnderObjectLock",
            [](Sim& s) {
                lockObject(s);
                s.LockMainPilotUser(0);
            },
            "LockMainPilotUser(0)"},
        Misuse{"ObjectLockTwice",
            [](Sim& s) {
                lockObject(s);
                std::int32_t other = 1;
                s.LockObject(other);
            },
            "LockObject(1)"},
        Misuse{"UnlockObjectWithoutLock", [](Sim& s) { s.UnlockObject(); }, "UnlockObject()"},
        Misuse{"UnlockPilotTwice",
            [](Sim& s) {
                s.LockMainPilotUser(0);
                s.UnlockMainPilotUser();
                s.UnlockMainPilotUser();
            },
            "UnlockMainPilotUser()"},
        Misuse{"UnlockAfterRefusedLock",
            [](Sim& s) {
                std::int32_t gone = 99;
                s.LockObject(gone);
                s.UnlockObject();
            },
            "UnlockObject()"},
        Misuse{"HostHandlerKeepsALock",
            [](Sim& s) {
                s.beginHandler("click RoomStatus(2)");
                lockObject(s);
                s.endHandler();
            },
            "LockObject(2)"}),
    [](const auto& info) { return std::string(info.param.name); });

// An event handler that takes a lock and forgets it.
class ForgetfulPanel : public testing::EventRecorder {
public:
    using EventRecorder::EventRecorder;
    Sim* sim = nullptr;
    void ObjectValueChanged(std::int32_t handle, std::int32_t index) override
    {
        EventRecorder::ObjectValueChanged(handle, index);
        if (index == 27)
            lockObject(*sim);
    }
};

TEST(ContractHandlers, LockKeptPastAnEventHandlerIsCaughtWhenItReturns)
{
    Sim sim;
    ForgetfulPanel panel{sim};
    panel.sim = &sim;
    sim.setEventSink(&panel);
    sim.Attach();
    sim.BeginUpdates();
    sim.setValue(27, 1);
    sim.setValue(26, 1);
    try {
        sim.deliverEvents();
        FAIL() << "no violation";
    } catch (const ContractViolation& violation) {
        EXPECT_EQ(violation.call(), "LockObject(2)");
        EXPECT_NE(std::string(violation.what()).find("after ObjectValueChanged(2, 27)"), std::string::npos)
            << violation.what();
    }
    EXPECT_FALSE(sim.contract().held(ContractChecker::Lock::Object)) << "one breach is reported once";
    EXPECT_EQ(sim.queuedEvents(), 1u) << "the events after it wait";
    EXPECT_EQ(sim.deliverEvents(), 1u);
    EXPECT_EQ(panel.take(), (std::vector<std::string>{"ObjectValueChanged(2, 27)", "ObjectValueChanged(2, 26)"}));
}

TEST(ContractHandlers, LockKeptByAHostHandlerIsCaughtAtTheNextDelivery)
{
    Sim sim;
    testing::EventRecorder panel{sim};
    sim.setEventSink(&panel);
    sim.Attach();
    sim.BeginUpdates();
    sim.beginHandler("key FreqInfo(2)");
    sim.LockMainPilotUser(0);
    sim.setFrequency(1, "118.500");
    try {
        sim.deliverEvents();
        FAIL() << "no violation";
    } catch (const ContractViolation& violation) {
        EXPECT_EQ(violation.call(), "LockMainPilotUser(0)");
        EXPECT_NE(std::string(violation.what()).find("key FreqInfo(2)"), std::string::npos) << violation.what();
    }
    EXPECT_TRUE(panel.take().empty()) << "nothing is delivered into a held lock";
}

TEST(ContractHandlers, WellBehavedCallerLeavesNoViolation)
{
    Sim sim;
    testing::EventRecorder panel{sim};
    sim.setEventSink(&panel);
    sim.Attach();
    sim.BeginUpdates();
    sim.RequestRefresh();
    sim.beginHandler("click PriorityChannel(2)");
    lockObject(sim);
    sim.SetLong(27, sim.GetLong(27) == 0 ? 1 : 0);
    sim.UnlockObject();
    ASSERT_TRUE(sim.LockMainPilotUser(0));
    sim.SetReceiveBoth(true);
    sim.UnlockMainPilotUser();
    sim.endHandler();
    EXPECT_GT(sim.deliverEvents(), 0u);
    EXPECT_TRUE(sim.contract().violations().empty());
}

TEST(ContractHandlers, DisabledCheckerLetsMisuseThroughToTheClientsOwnErrors)
{
    SimulationOptions options;
    options.checkContract = false;
    Sim sim(options);
    EXPECT_THROW(sim.GetLong(3), VoiceClientError) << "no object is locked";
    sim.UnlockObject();
    lockObject(sim);
    EXPECT_NO_THROW(sim.LockMainPilotUser(0));
    EXPECT_EQ(sim.GetLong(0), 3);
    EXPECT_TRUE(sim.contract().violations().empty());
}

} // namespace
} // namespace norvo
