#include "sim/LoggingVoiceClient.h"
#include "sim/SimulatedVoiceClient.h"

#include "EventRecorder.h"

#include <gtest/gtest.h>

namespace norvo {
namespace {

struct LoggingVoiceClientTest : ::testing::Test {
    LoggingVoiceClientTest()
    {
        SimulationOptions options;
        options.randomActivity = false;
        sim.emplace(options);
        logging.emplace(*sim, [this](const std::string& line) { lines.push_back(line); });
    }

    std::optional<SimulatedVoiceClient> sim;
    std::vector<std::string> lines;
    std::optional<LoggingVoiceClient> logging;
};

TEST_F(LoggingVoiceClientTest, WritesEachCallWithItsResultAndPassesItOn)
{
    logging->Attach();
    std::int32_t handle = 2;
    ASSERT_TRUE(logging->LockObject(handle));
    EXPECT_EQ(logging->GetLong(0), 3);
    logging->SetLong(9, 1);
    logging->SetString(9, "EDDF \"TWR\"");
    EXPECT_EQ(logging->ObjectName(), "TOKA");
    logging->UnlockObject();
    ASSERT_TRUE(logging->LockMainPilotUser(0));
    logging->SetReceiveBoth(true);
    EXPECT_EQ(logging->ReceiveRadio(), "B");
    logging->UnlockMainPilotUser();
    EXPECT_EQ(lines,
        (std::vector<std::string>{"Norvo.Attach()", "Norvo.LockObject(2) = True", "Norvo.GetLong(0) = 3",
            "Norvo.SetLong(9, 1)", "Norvo.SetString(9, \"EDDF \\\"TWR\\\"\")", "Norvo.ObjectName() = \"TOKA\"",
            "Norvo.UnlockObject()", "Norvo.LockMainPilotUser(0) = True", "Norvo.SetReceiveBoth(True)",
            "Norvo.ReceiveRadio() = \"B\"", "Norvo.UnlockMainPilotUser()"}));
    EXPECT_EQ(sim->roomState(2), SimulatedVoiceClient::Pending);
}

TEST_F(LoggingVoiceClientTest, FailedCallIsWrittenAndRethrown)
{
    EXPECT_THROW(logging->GetLong(5), ContractViolation);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("Norvo.GetLong(5) failed: GetLong(5) without the object lock held", 0), 0u) << lines[0];
}

TEST_F(LoggingVoiceClientTest, EventsAreWrittenAndReachTheSink)
{
    testing::EventRecorder panel{*sim};
    logging->setEventSink(&panel);
    logging->Attach();
    logging->RequestRefresh();
    lines.clear();
    sim->deliverEvents();
    EXPECT_EQ(panel.take(),
        (std::vector<std::string>{"MainPilotUserCreated", "Connected", "ObjectCreated(1)", "ObjectCreated(2)"}));
    EXPECT_EQ(lines,
        (std::vector<std::string>{
            "event MainPilotUserCreated", "event Connected", "event ObjectCreated(1)", "event ObjectCreated(2)"}));

    logging->setEventSink(nullptr);
    sim->deleteVoiceObject();
    EXPECT_EQ(sim->deliverEvents(), 0u) << "delivery stopped";
}

} // namespace
} // namespace norvo
