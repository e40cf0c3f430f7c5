#include "recording/LoggingVoiceClient.h"
#include "recording/CallLog.h"
#include "recording/InMemoryVoiceClient.h"

#include "support/EventRecorder.h"

#include <gtest/gtest.h>

namespace norvo {
namespace {

using Lines = std::vector<std::string>;

struct LoggingVoiceClientTest : ::testing::Test {
    InMemoryVoiceClient memory;
    CallLog log;
    LoggingVoiceClient logging{memory, log.writer()};
};

// The lines of every member are what panel scripts print (tests/scenarios);
// here, texts with quotes and line breaks, both ways.
TEST_F(LoggingVoiceClientTest, WritesEachCallWithItsResultQuotedAndPassesItOn)
{
    memory.addObject(2, "VOICE", "TOKA");
    memory.setText(2, 10, "EDDF \"TWR\"\r\n");
    std::int32_t handle = 2;
    ASSERT_TRUE(logging.LockObject(handle));
    EXPECT_EQ(logging.GetString(10), "EDDF \"TWR\"\r\n");
    logging.SetString(9, "EDDF \"TWR\"");
    EXPECT_EQ(log.take(),
        (Lines{"Norvo.LockObject(2) = True", "Norvo.GetString(10) = \"EDDF \\\"TWR\\\"\\r\\n\"",
            "Norvo.SetString(9, \"EDDF \\\"TWR\\\"\")"}));
    EXPECT_EQ(memory.textValue(2, 9), "EDDF \"TWR\"");
}

TEST_F(LoggingVoiceClientTest, FailedCallIsWrittenWithOrWithoutItsReasonAndRethrown)
{
    EXPECT_THROW(logging.GetLong(5), VoiceClientError);
    LoggingVoiceClient terse{memory, log.writer(), LoggingVoiceClient::FailureReasons::LeftOut};
    memory.failNext("Detach");
    EXPECT_THROW(terse.Detach(), VoiceClientError);
    EXPECT_EQ(log.take(),
        (Lines{"Norvo.GetLong(5) failed: Norvo.GetLong failed: no object is locked", "Norvo.Detach() failed"}));
}

TEST_F(LoggingVoiceClientTest, EventsAreWrittenAndReachTheSink)
{
    testing::EventRecorder panel;
    logging.setEventSink(&panel);
    VoiceEventSink* raised = memory.eventSink();
    ASSERT_NE(raised, nullptr);
    raised->receive({VoiceEvent::Kind::MainPilotUserCreated});
    raised->receive({VoiceEvent::Kind::ObjectValueChanged, 7, 9});
    EXPECT_EQ(panel.take(), (Lines{"MainPilotUserCreated", "ObjectValueChanged(7, 9)"}));
    EXPECT_EQ(log.take(), (Lines{"event MainPilotUserCreated", "event ObjectValueChanged(7, 9)"}));

    logging.setEventSink(nullptr);
    EXPECT_EQ(memory.eventSink(), nullptr) << "delivery stopped";
}

} // namespace
} // namespace norvo
