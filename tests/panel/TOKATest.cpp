#include "panel/TOKA.h"
#include "platform/ManualClock.h"
#include "recording/CallLog.h"
#include "recording/InMemoryVoiceClient.h"
#include "recording/LoggingVoiceClient.h"
#include "recording/MemorySettingsStore.h"
#include "recording/RecordingDockFrame.h"
#include "recording/RecordingWindowSystem.h"
#include "support/ChangeCounter.h"
#include "support/PanelEvents.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace norvo::testing {
namespace {

using Lines = std::vector<std::string>;

// What a panel script can show is a scenario (tests/scenarios): the calls,
// the looks, binding layouts of every kind. These are what a script cannot
// see: the shutdown, and how often a refresh repaints or writes.
struct Panel : ::testing::Test {
    CallLog log;
    InMemoryVoiceClient voice;
    LoggingVoiceClient loggedVoice{voice, log.writer(), LoggingVoiceClient::FailureReasons::LeftOut};
    RecordingDockFrame dock{log};
    MemorySettingsStore settings;
    RecordingWindowSystem windows{log};
    ManualClock clock;
    std::unique_ptr<TOKA> panel = makePanel();

    std::unique_ptr<TOKA> makePanel()
    {
        return std::make_unique<TOKA>(TokaEnvironment{loggedVoice, dock, settings, windows, clock});
    }
};

// The voice client has the panel's event sink while the panel lives; the
// shutdown runs once, and only after a start-up, even a failed one.
TEST_F(Panel, ShutdownRunsOnceAndOnlyAfterAStartUpEvenAFailedOne)
{
    EXPECT_EQ(loggedVoice.eventSink(), &panel->eventSink());
    panel.reset();
    EXPECT_TRUE(log.take().empty());
    EXPECT_EQ(loggedVoice.eventSink(), nullptr);

    panel = makePanel();
    voice.failNext("Attach");
    EXPECT_THROW(panel->Initialize(), VoiceClientError);
    log.take();
    panel->Terminate();
    panel->Terminate();
    panel.reset();
    EXPECT_EQ(log.take(), Lines{"Norvo.Detach()"});
}

// Everything shown: three rooms connected and named, speakers routed per
// slot. A refresh that finds it so repaints nothing and writes no settings.
TEST_F(Panel, RefreshFindingWhatIsShownRepaintsNothing)
{
    voice.addObject(7, "VOICE", "TOKA");
    for (const auto& [index, value] :
        {std::pair{0, 3}, std::pair{1, 7}, std::pair{2, 1}, std::pair{3, 1}, std::pair{6, 1}})
        voice.setLong(7, index, value);
    for (std::int32_t k = 0; k < 3; ++k) {
        voice.setLong(7, 7 + k, 2);
        voice.setText(7, 7 + k, "ROOM" + std::to_string(k));
        voice.setText(7, 10 + k, "info\r\nline");
        voice.setLong(7, 10 + k, k % 2);
        voice.setLong(7, 19 + k, 1);
    }
    panel->Initialize();
    raiseEvent(*panel, VoiceEvent::Kind::ObjectCreated, 7);
    const std::size_t writes = settings.writeCount();
    ChangeCounter paints(panel->form());
    raiseEvent(*panel, VoiceEvent::Kind::ObjectCreated, 7);
    for (std::int32_t index = 2; index < 28; ++index)
        raiseEvent(*panel, VoiceEvent::Kind::ObjectValueChanged, 7, index);
    EXPECT_EQ(paints.count(), 0u);
    EXPECT_EQ(settings.writeCount(), writes);
}

} // namespace
} // namespace norvo::testing
