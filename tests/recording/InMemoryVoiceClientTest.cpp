#include "recording/InMemoryVoiceClient.h"
#include "support/ReceiveBothCases.h"

#include <gtest/gtest.h>

namespace norvo {
namespace {

struct InMemoryVoiceClientTest : ::testing::Test {
    InMemoryVoiceClient client;
};

// Handle 0, and failures that hit the next call only, are what every panel
// script shows (tests/scenarios); a removed object no script removes.
TEST_F(InMemoryVoiceClientTest, RemovedObjectIsNeverLocked)
{
    client.addObject(3, "VOICE", "TOKA");
    client.removeObject(3);
    std::int32_t three = 3;
    EXPECT_FALSE(client.LockObject(three));
    EXPECT_FALSE(client.lockedObject().has_value());
    EXPECT_THROW(client.failNext("Explode"), std::invalid_argument);
}

class ReceiveBoth : public InMemoryVoiceClientTest, public ::testing::WithParamInterface<testing::ReceiveBothCase> { };

TEST_P(ReceiveBoth, FollowsTheTransmitRadio)
{
    const testing::ReceiveBothCase& c = GetParam();
    client.setPilot(InMemoryVoiceClient::Pilot{c.receive, c.transmit, "122.800", "121.500"});
    ASSERT_TRUE(client.LockMainPilotUser(0));
    client.SetReceiveBoth(c.both);
    EXPECT_EQ(client.ReceiveRadio(), c.receiveAfter);
}

INSTANTIATE_TEST_SUITE_P(Selections, ReceiveBoth, testing::receiveBothCases(), NamedAfterPrintTo());

// Reading without the matching lock fails, as against a real client, so that
// a panel that forgets a lock fails its tests.
TEST_F(InMemoryVoiceClientTest, ValuesAreReadOnlyUnderTheirLock)
{
    client.addObject(7, "VOICE", "TOKA");
    EXPECT_THROW(client.GetLong(9), VoiceClientError);
    client.setPilot(InMemoryVoiceClient::Pilot{"1", "1", "", ""});
    EXPECT_THROW(client.ReceiveRadio(), VoiceClientError);
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
