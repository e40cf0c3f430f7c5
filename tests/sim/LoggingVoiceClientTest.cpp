#include "sim/LoggingVoiceClient.h"
#include "sim/SimulatedVoiceClient.h"

#include "EventRecorder.h"

#include <gtest/gtest.h>

namespace norvo {
namespace {

using Lines = std::vector<std::string>;

struct LoggingVoiceClientTest : ::testing::Test {
    SimulatedVoiceClient sim;
    Lines lines;
    LoggingVoiceClient logging{sim, [this](const std::string& line) { lines.push_back(line); }};
};

TEST_F(LoggingVoiceClientTest, WritesEachCallWithItsResultAndPassesItOn)
{
    logging.Attach();
    std::int32_t handle = 2;
    ASSERT_TRUE(logging.LockObject(handle));
    EXPECT_EQ(logging.GetLong(0), 3);
    logging.SetLong(9, 1);
    logging.SetString(9, "EDDF \"TWR\"");
    EXPECT_EQ(logging.ObjectName(), "TOKA");
    logging.UnlockObject();
    ASSERT_TRUE(logging.LockMainPilotUser(0));
    logging.SetReceiveBoth(true);
    EXPECT_EQ(logging.ReceiveRadio(), "B");
    logging.UnlockMainPilotUser();
    EXPECT_EQ(lines,
        (Lines{"Norvo.Attach()", "Norvo.LockObject(2) = True", "Norvo.GetLong(0) = 3", "Norvo.SetLong(9, 1)",
            "Norvo.SetString(9, \"EDDF \\\"TWR\\\"\")", "Norvo.ObjectName() = \"TOKA\"", "Norvo.UnlockObject()",
            "Norvo.LockMainPilotUser(0) = True", "Norvo.SetReceiveBoth(True)", "Norvo.ReceiveRadio() = \"B\"",
            "Norvo.UnlockMainPilotUser()"}));
    EXPECT_EQ(sim.roomState(2), SimulatedVoiceClient::Pending);
}

TEST_F(LoggingVoiceClientTest, FailedCallIsWrittenAndRethrown)
{
    EXPECT_THROW(logging.GetLong(5), ContractViolation);
    EXPECT_EQ(lines, Lines{"Norvo.GetLong(5) failed: GetLong(5) without the object lock held"});
}

TEST_F(LoggingVoiceClientTest, EventsAreWrittenAndReachTheSink)
{
    testing::EventRecorder panel{sim};
    logging.setEventSink(&panel);
    logging.Attach();
    logging.RequestRefresh();
    lines.clear();
    sim.deliverEvents();
    EXPECT_EQ(panel.take(), (Lines{"MainPilotUserCreated", "Connected", "ObjectCreated(1)", "ObjectCreated(2)"}));
    EXPECT_EQ(lines,
        (Lines{"event MainPilotUserCreated", "event Connected", "event ObjectCreated(1)", "event ObjectCreated(2)"}));

    logging.setEventSink(nullptr);
    sim.deleteVoiceObject();
    EXPECT_EQ(sim.deliverEvents(), 0u) << "delivery stopped";
}

} // namespace
} // namespace norvo
