#include "sim/SimulatedVoiceClient.h"

#include "support/EventRecorder.h"

#include <gtest/gtest.h>

#include <functional>

namespace norvo {
namespace {

using Sim = SimulatedVoiceClient;

// Voice handle 2: the object after the unrelated one.
void lockObject(Sim& sim)
{
    std::int32_t handle = 2;
    ASSERT_TRUE(sim.LockObject(handle));
}

// The message of the violation the action throws; empty when it throws none.
std::string violationOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ContractViolation& violation) {
        return violation.call() + ": " + violation.what();
    }
    return {};
}

// The calls a misuse is made of: the locks on the voice object (2), the
// unrelated object (1) and a handle that is gone (99), a write of each kind,
// and a host handler around them.
enum Call { LockVoice, LockOther, LockGone, UnlockObject, LockPilot, UnlockPilot, Write, RadioWrite, Handler, End };

struct Misuse {
    const char* name;
    std::vector<Call> calls;
    const char* breaking;
};

void PrintTo(const Misuse& c, std::ostream* out) { *out << c.name; }

void make(Sim& sim, Call call)
{
    std::int32_t handle = call == LockVoice ? 2 : call == LockOther ? 1 : 99;
    switch (call) {
    case LockVoice:
    case LockOther:
    case LockGone: sim.LockObject(handle); break;
    case UnlockObject: sim.UnlockObject(); break;
    case LockPilot: sim.LockMainPilotUser(0); break;
    case UnlockPilot: sim.UnlockMainPilotUser(); break;
    case Write: sim.SetLong(27, 1); break;
    case RadioWrite: sim.SetReceiveBoth(true); break;
    case Handler: sim.beginHandler("click RoomStatus(2)"); break;
    case End: sim.endHandler(); break;
    }
}

class ContractBreach : public ::testing::TestWithParam<Misuse> { };

// Each misuse throws a violation naming the offending call, is kept in the
// list, and changes nothing in the network.
TEST_P(ContractBreach, IsReportedNamingTheCall)
{
    Sim sim;
    sim.Attach();
    sim.BeginUpdates();
    const std::string call = GetParam().breaking;
    const std::string reported = violationOf([&] {
        for (const Call made : GetParam().calls)
            make(sim, made);
    });
    EXPECT_TRUE(reported.starts_with(call + ": " + call)) << reported;
    ASSERT_EQ(sim.contract().violations().size(), 1u);
    EXPECT_EQ(sim.contract().violations().front().call(), call);
    EXPECT_EQ(sim.value(27), 0);
    EXPECT_EQ(sim.pilot().receive, "1");
    EXPECT_EQ(sim.queuedEvents(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Misuses, ContractBreach,
    ::testing::Values(Misuse{"WriteWithoutLock", {Write}, "SetLong(27, 1)"},
        Misuse{"RadioWriteWithoutLock", {RadioWrite}, "SetReceiveBoth(True)"},
        Misuse{"ObjectUnderPilotLock", {LockPilot, LockVoice}, "LockObject(2)"},
        Misuse{"PilotUnderObjectLock", {LockVoice, LockPilot}, "LockMainPilotUser(0)"},
        Misuse{"ObjectLockTwice", {LockVoice, LockOther}, "LockObject(1)"},
        Misuse{"UnlockPilotTwice", {LockPilot, UnlockPilot, UnlockPilot}, "UnlockMainPilotUser()"},
        Misuse{"UnlockAfterRefusedLock", {LockGone, UnlockObject}, "UnlockObject()"},
        Misuse{"WriteAfterUnlock", {LockVoice, UnlockObject, Write}, "SetLong(27, 1)"},
        Misuse{"HostHandlerKeepsALock", {Handler, LockVoice, End}, "LockObject(2)"}),
    [](const auto& info) { return std::string(info.param.name); });

// An event handler that takes a lock and forgets it.
class ForgetfulPanel : public testing::EventRecorder {
public:
    using EventRecorder::EventRecorder;
    Sim* sim = nullptr;
    void receive(const VoiceEvent& event) override
    {
        EventRecorder::receive(event);
        if (event.kind == VoiceEvent::Kind::ObjectValueChanged && event.index == 27)
            lockObject(*sim);
    }
};

TEST(ContractHandlers, LockKeptPastAnEventHandlerIsCaughtWhenItReturns)
{
    Sim sim;
    ForgetfulPanel panel;
    panel.sim = &sim;
    sim.setEventSink(&panel);
    sim.Attach();
    sim.BeginUpdates();
    sim.setValue(27, 1);
    sim.setValue(26, 1);
    EXPECT_EQ(violationOf([&] { sim.deliverEvents(); }),
        "LockObject(2): LockObject(2) still held after ObjectValueChanged(2, 27) returned");
    EXPECT_FALSE(sim.contract().held(ContractChecker::Lock::Object)) << "one breach is reported once";
    EXPECT_EQ(sim.deliverEvents(), 1u) << "the events after it wait";
    EXPECT_EQ(panel.take(), (std::vector<std::string>{"ObjectValueChanged(2, 27)", "ObjectValueChanged(2, 26)"}));
}

TEST(ContractHandlers, LockKeptByAHostHandlerIsCaughtAtTheNextDelivery)
{
    Sim sim;
    testing::EventRecorder panel{[&] { return sim.pilotLocked() || sim.lockedObject().has_value(); }};
    sim.setEventSink(&panel);
    sim.Attach();
    sim.BeginUpdates();
    sim.beginHandler("key FreqInfo(2)");
    sim.LockMainPilotUser(0);
    sim.setFrequency(1, "118.500");
    EXPECT_EQ(violationOf([&] { sim.deliverEvents(); }),
        "LockMainPilotUser(0): LockMainPilotUser(0) still held after key FreqInfo(2) returned");
    EXPECT_TRUE(panel.take().empty()) << "nothing is delivered into a held lock";
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
