#include "panel/RememberedChannels.h"
#include "panel/TOKA.h"
#include "platform/TrimSpaces.h"
#include "recording/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace norvo {
namespace {

// Only spaces are trimmed from a remembered or typed room name.
static_assert(trimSpaces("  LFPG_TWR\t ") == "LFPG_TWR\t");

// Loading, joining and restarting as a user meets them are scenarios
// (channel-memory-survives-restart.script); these are what a script cannot
// see: how often the store is written, a store that fails, a long list.
struct RememberedChannelsTest : ::testing::Test {
    std::string at(std::int32_t n)
    {
        return store.GetSetting(TOKA::SettingsApplication, TOKA::SettingsSection, "CHANNEL" + std::to_string(n), "-");
    }
    void put(std::int32_t n, const std::string& room)
    {
        store.SaveSetting(TOKA::SettingsApplication, TOKA::SettingsSection, "CHANNEL" + std::to_string(n), room);
    }
    MemorySettingsStore store;
    Signal<const SettingsProblem&> problemFound;
    RememberedChannels channels{store, problemFound};
};

// Twenty rooms or more: every one is saved, past CHANNEL19, none cleared.
// Nothing is written again while neither the list nor the store changes.
TEST_F(RememberedChannelsTest, ListIsWrittenWholeAndOnlyWhenItOrTheStoreChanged)
{
    for (std::int32_t n = 0; n < 20; ++n)
        put(n, "R" + std::to_string(n));
    channels.load();
    // The box shows the list handed out until it is given the new one.
    const auto shown = channels.list();
    ASSERT_TRUE(channels.remember("NEW"));
    EXPECT_EQ(shown->front(), "R0");
    channels.save();
    EXPECT_EQ(at(20), "R19");
    const std::size_t writes = store.writeCount();
    EXPECT_FALSE(channels.remember("NEW"));
    channels.save();
    EXPECT_EQ(store.writeCount(), writes);
    put(0, "C");
    channels.save();
    EXPECT_EQ(at(0), "NEW");
}

// The host hears of the problem once while it lasts; the list stays in
// memory, and a save that goes through clears the problem.
TEST_F(RememberedChannelsTest, FailedSaveIsReportedOnceAndKeepsTheList)
{
    const SettingsProblem problem{SettingsProblem::Kind::Unwritable, "/home/u/.config/NORVOUITOKA.ini", "read-only"};
    std::vector<SettingsProblem> reported;
    problemFound.connect([&](const SettingsProblem& found) { reported.push_back(found); });
    store.failWrites(problem);
    for (const char* room : {"A", "B"}) {
        channels.remember(room);
        EXPECT_THROW(channels.save(), SettingsError);
    }
    EXPECT_EQ(reported, std::vector<SettingsProblem>{problem});
    EXPECT_EQ(channels.problem(), problem);
    store.failWrites(std::nullopt);
    channels.save();
    EXPECT_EQ(channels.problem(), std::nullopt);
    EXPECT_EQ(at(0), "B");
    EXPECT_EQ(at(1), "A");
}

} // namespace
} // namespace norvo
