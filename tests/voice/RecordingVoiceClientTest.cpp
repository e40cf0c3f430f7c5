#include "voice/RecordingVoiceClient.h"

#include <gtest/gtest.h>

namespace norvo {
namespace {

struct RecordingVoiceClientTest : ::testing::Test {
    CallLog log;
    RecordingVoiceClient client{log};
};

TEST_F(RecordingVoiceClientTest, LogsEveryCallWithItsResult)
{
    client.addObject(7, "VOICE", "TOKA");
    client.setLong(7, 9, 2);
    client.setText(7, 10, "EDDF \"TWR\"\r\n");
    std::int32_t handle = 7;
    ASSERT_TRUE(client.LockObject(handle));
    EXPECT_EQ(client.GetLong(9), 2);
    EXPECT_EQ(client.GetLong(8), 0);
    client.GetString(10);
    client.SetLong(9, 1);
    client.SetString(9, "LFPG");
    client.UnlockObject();
    EXPECT_EQ(log.take(),
        (std::vector<std::string>{
            "Norvo.LockObject(7) = True",
            "Norvo.GetLong(9) = 2",
            "Norvo.GetLong(8) = 0",
            "Norvo.GetString(10) = \"EDDF \\\"TWR\\\"\\r\\n\"",
            "Norvo.SetLong(9, 1)",
            "Norvo.SetString(9, \"LFPG\")",
            "Norvo.UnlockObject()",
        }));
    EXPECT_EQ(client.longValue(7, 9), 1);
    EXPECT_EQ(client.textValue(7, 9), "LFPG");
}

TEST_F(RecordingVoiceClientTest, HandleZeroAndRemovedObjectsAreNeverLocked)
{
    client.addObject(0, "VOICE", "TOKA");
    client.addObject(3, "VOICE", "TOKA");
    client.removeObject(3);
    std::int32_t zero = 0;
    std::int32_t three = 3;
    EXPECT_FALSE(client.LockObject(zero));
    EXPECT_FALSE(client.LockObject(three));
    EXPECT_FALSE(client.lockedObject().has_value());
}

TEST_F(RecordingVoiceClientTest, ReadingWithoutTheLockFails)
{
    client.addObject(7, "VOICE", "TOKA");
    EXPECT_THROW(client.GetLong(1), VoiceClientError);
    client.setPilot(RecordingVoiceClient::Pilot{});
    EXPECT_THROW(client.ReceiveRadio(), VoiceClientError);
    EXPECT_EQ(log.take(), (std::vector<std::string>{"Norvo.GetLong(1) failed", "Norvo.ReceiveRadio() failed"}));
}

TEST_F(RecordingVoiceClientTest, InjectedFailureHitsOnlyTheNextCallOfThatMember)
{
    client.failNext("Detach");
    EXPECT_THROW(client.Detach(), VoiceClientError);
    EXPECT_NO_THROW(client.Detach());
    EXPECT_THROW(client.failNext("Explode"), std::invalid_argument);
    EXPECT_EQ(log.take(), (std::vector<std::string>{"Norvo.Detach() failed", "Norvo.Detach()"}));
}

struct RadioSelection {
    const char* receive;
    const char* transmit;
    bool both;
    const char* receiveAfter;
};

class ReceiveBoth : public RecordingVoiceClientTest, public ::testing::WithParamInterface<RadioSelection> { };

TEST_P(ReceiveBoth, FollowsTheTransmitRadio)
{
    const RadioSelection& c = GetParam();
    client.setPilot(RecordingVoiceClient::Pilot{c.receive, c.transmit, "122.800", "121.500"});
    ASSERT_TRUE(client.LockMainPilotUser(0));
    client.SetReceiveBoth(c.both);
    EXPECT_EQ(client.ReceiveRadio(), c.receiveAfter);
}

INSTANTIATE_TEST_SUITE_P(Selections, ReceiveBoth,
    ::testing::Values(RadioSelection{"1", "2", true, "B"}, RadioSelection{"B", "2", false, "2"},
        RadioSelection{"B", "1", false, "1"}, RadioSelection{"B", "B", false, "1"},
        RadioSelection{"B", "", false, "1"}));

TEST_F(RecordingVoiceClientTest, SetTransmitRadioTakesTheRadioNumber)
{
    client.setPilot(RecordingVoiceClient::Pilot{"1", "1", "", ""});
    EXPECT_FALSE(client.pilotLocked());
    ASSERT_TRUE(client.LockMainPilotUser(0));
    client.SetTransmitRadio(2);
    EXPECT_EQ(client.TransmitRadio(), "2");
    client.UnlockMainPilotUser();
    EXPECT_FALSE(client.pilotLocked());
    client.setPilot(std::nullopt);
    EXPECT_FALSE(client.LockMainPilotUser(0));
}

} // namespace
} // namespace norvo
