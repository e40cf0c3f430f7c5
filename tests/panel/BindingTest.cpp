#include "PanelFixture.h"
#include "support/PanelEvents.h"

#include "platform/CheckedMath.h"
#include "support/CaseNames.h"

#include <limits>
#include <tuple>

namespace norvo::testing {
namespace {

constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();

using Binding = PanelTest;

// Values that make every branch read and paint: rooms connected, active,
// muted, routed in turn.
void fillObject(InMemoryVoiceClient& voice, std::int32_t handle, std::int32_t to)
{
    for (std::int32_t i = 2; i <= to; ++i) {
        voice.setLong(handle, i, i % 4 == 3 ? 5 : i % 3);
        voice.setText(handle, i, "R" + std::to_string(i) + "\r\ninfo");
    }
}

class LoopEquivalence : public PanelTest,
                        public ::testing::WithParamInterface<std::pair<std::int32_t, std::int32_t>> { };

TEST_P(LoopEquivalence, BindingMakesTheCallsOfTheFullLoop)
{
    const auto [a, b] = GetParam();
    addObject(a, b);
    fillObject(voice, Handle, 60);
    setPilot("B", "1");
    raiseEvent(*panel, VoiceEvent::Kind::ObjectCreated, Handle);
    const Lines optimised = calls();
    const Lines after = snapshot(panel->form());

    // The same panel, refreshed the naive way: every index from 0 to last.
    const TokaFields f = panel->fields();
    const std::int32_t last = checkedAdd(f.PriorityBase, f.RoomCount - 1);
    for (std::int32_t i = 0; i <= last; ++i)
        raiseEvent(*panel, VoiceEvent::Kind::ObjectValueChanged, f.VoiceHandle, i);
    for (std::int32_t i = 0; i <= last; ++i)
        raiseEvent(*panel, VoiceEvent::Kind::ObjectTextChanged, f.VoiceHandle, i);
    const Lines naive = calls();

    ASSERT_GE(optimised.size(), 6u);
    EXPECT_EQ(Lines(optimised.begin() + 6, optimised.end()), naive);
    EXPECT_EQ(snapshot(panel->form()), after);
}

INSTANTIATE_TEST_SUITE_P(Layouts, LoopEquivalence,
    ::testing::Values(std::pair{3, 7}, std::pair{2, 10}, std::pair{5, 10}, std::pair{0, 5}, std::pair{-3, 20},
        std::pair{1, 2}, std::pair{3, 0}, std::pair{2, 3}, std::pair{3, 2}, std::pair{1, 0}),
    NamedAfterPrintTo());

TEST_F(Binding, HugeSlotCountCostsWhatThreeCost)
{
    addObject(3, 7);
    raiseEvent(*panel, VoiceEvent::Kind::ObjectCreated, Handle);
    const std::size_t three = calls().size();
    addObject(10'000'000, 7, 8);
    raiseEvent(*panel, VoiceEvent::Kind::ObjectCreated, 8);
    EXPECT_EQ(calls().size(), three);
}

// An object announced while a binding runs (here from inside its first text
// read, half way through its loops) is bound once that binding is done, as if
// announced after it.
TEST_F(Binding, ObjectAnnouncedMidBindingIsBoundAfterIt)
{
    const auto run = [&](bool announcedMidway) {
        CallLog calls;
        InMemoryVoiceClient client;
        LoggingVoiceClient logged(client, calls.writer(), LoggingVoiceClient::FailureReasons::Written,
            LoggingVoiceClient::EventLines::LeftOut);
        for (const auto& [handle, a, b] : {std::tuple{7, 3, 7}, std::tuple{8, 2, 4}}) {
            client.addObject(handle, "VOICE", "TOKA");
            client.setLong(handle, 0, a);
            client.setLong(handle, 1, b);
            fillObject(client, handle, 40);
        }
        TOKA rebound(TokaEnvironment{logged, dock, settings, windows, clock});
        if (announcedMidway)
            client.raiseDuring("GetString", VoiceEvent{VoiceEvent::Kind::ObjectCreated, 8});
        raiseEvent(rebound, VoiceEvent::Kind::ObjectCreated, 7);
        if (!announcedMidway)
            raiseEvent(rebound, VoiceEvent::Kind::ObjectCreated, 8);
        EXPECT_EQ(rebound.fields().VoiceHandle, 8);
        return calls.take();
    };
    EXPECT_EQ(run(true), run(false));
}

class HostileLayout : public PanelTest, public ::testing::WithParamInterface<std::pair<std::int32_t, std::int32_t>> { };

TEST_P(HostileLayout, IsRefusedAfterUnlockingAndChangesNothing)
{
    const auto [a, b] = GetParam();
    startBound();
    voice.addObject(8, "VOICE", "TOKA");
    voice.setLong(8, 0, a);
    voice.setLong(8, 1, b);
    const TokaFields before = panel->fields();
    const Lines shown = snapshot(panel->form());

    EXPECT_THROW(raiseEvent(*panel, VoiceEvent::Kind::ObjectCreated, 8), ArithmeticOverflow);
    EXPECT_EQ(calls(),
        (Lines{"Norvo.LockObject(8) = True", "Norvo.ObjectType() = \"VOICE\"", "Norvo.ObjectName() = \"TOKA\"",
            "Norvo.GetLong(0) = " + std::to_string(a), "Norvo.GetLong(1) = " + std::to_string(b),
            "Norvo.UnlockObject()"}));
    EXPECT_EQ(panel->fields(), before);
    EXPECT_EQ(snapshot(panel->form()), shown);

    auto unbound = makePanel();
    EXPECT_THROW(raiseEvent(*unbound, VoiceEvent::Kind::ObjectCreated, 8), ArithmeticOverflow);
    EXPECT_EQ(unbound->fields(), TokaFields{});
}

INSTANTIATE_TEST_SUITE_P(Overflowing, HostileLayout,
    ::testing::Values(std::pair{Max, 0}, std::pair{Min, 0}, std::pair{400'000'000, 0}, std::pair{-400'000'000, 0},
        std::pair{1, Max}, std::pair{-1, Min}, std::pair{3, Max - 19}, std::pair{-5, Min + 30}),
    NamedAfterPrintTo());

TEST_F(Binding, LayoutsAtTheLimitsBind)
{
    for (const auto& [a, b] : {std::pair{0, Max}, std::pair{3, Max - 20}, std::pair{-1, 0}, std::pair{-5, Min + 36}}) {
        addObject(a, b);
        EXPECT_NO_THROW(raiseEvent(*panel, VoiceEvent::Kind::ObjectCreated, Handle)) << a << ", " << b;
        EXPECT_EQ(panel->fields().SlotCount, a);
    }
    EXPECT_TRUE(contains(log.lines(), "Norvo.GetLong(2147483647) = 0"));
}

} // namespace
} // namespace norvo::testing
