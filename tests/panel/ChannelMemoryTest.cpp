#include "PanelFixture.h"

namespace norvo::testing {
namespace {

struct ChannelMemory : PanelTest {
    void store(std::int32_t position, const std::string& room)
    {
        settings.SaveSetting("NORVOUITOKA", "PRIVATE", "CHANNEL" + std::to_string(position), room);
    }
    std::string stored(std::int32_t position)
    {
        return settings.GetSetting("NORVOUITOKA", "PRIVATE", "CHANNEL" + std::to_string(position), "<missing>");
    }
    // The free channel shows itself connected to the room.
    void connect(const std::string& room)
    {
        voice.setLong(Handle, 9, 2);
        voice.setText(Handle, 9, room);
        panel->Norvo_ObjectValueChanged(Handle, 9);
    }
};

TEST_F(ChannelMemory, LoadTrimsAndLeavesNoGaps)
{
    store(0, " EDDF_TWR ");
    store(2, "LFPG_APP");
    store(3, "   ");
    store(20, "EGLL_GND");
    store(21, "never");
    panel->Initialize();
    EXPECT_EQ(freeChannel().items(), (Lines{"EDDF_TWR", "LFPG_APP", "EGLL_GND"}));
}

TEST_F(ChannelMemory, JoinedRoomMovesToTheTopAndTheListIsStored)
{
    for (const auto& [position, room] : {std::pair{0, "A"}, std::pair{1, "B"}, std::pair{2, "C"}, std::pair{20, "Z"}})
        store(position, room);
    startBound();
    connect("B");
    EXPECT_EQ(freeChannel().items(), (Lines{"B", "A", "C", "Z"}));
    EXPECT_EQ(freeChannel().text(), "B");
    for (const auto& [position, room] : {std::pair{0, "B"}, std::pair{1, "A"}, std::pair{2, "C"}, std::pair{3, "Z"},
             std::pair{4, ""}, std::pair{19, ""}, std::pair{20, "Z"}})
        EXPECT_EQ(stored(position), room) << position;

    connect("b");
    EXPECT_EQ(freeChannel().items(), (Lines{"b", "B", "A", "C", "Z"}));
}

TEST_F(ChannelMemory, RoomNameOfSpacesOnlyIsNotRemembered)
{
    store(0, "A");
    startBound();
    const std::size_t writes = settings.writeCount();
    voice.setText(Handle, 12, "info");
    connect("   ");
    EXPECT_EQ(freeChannel().text(), "   ");
    EXPECT_EQ(tip("FreqInfo", 2), "info");
    EXPECT_EQ(freeChannel().items(), Lines{"A"});
    EXPECT_EQ(settings.writeCount(), writes);
}

TEST_F(ChannelMemory, FirstRoomEverJoinedSurvivesARestart)
{
    startBound();
    connect(" EDDF_TWR ");
    EXPECT_EQ(freeChannel().items(), Lines{"EDDF_TWR"});
    EXPECT_EQ(stored(0), "EDDF_TWR");
    EXPECT_EQ(stored(19), "");

    panel = makePanel();
    panel->Initialize();
    EXPECT_EQ(freeChannel().items(), Lines{"EDDF_TWR"});
}

TEST_F(ChannelMemory, LongListIsWrittenInFullAndNothingCleared)
{
    Lines rooms;
    for (std::int32_t n = 0; n <= 20; ++n) {
        rooms.push_back("R" + std::to_string(n));
        store(n, rooms.back());
    }
    startBound();
    connect("NEW");
    EXPECT_EQ(freeChannel().listCount(), 22);
    EXPECT_EQ(stored(0), "NEW");
    EXPECT_EQ(stored(19), "R18");
    EXPECT_EQ(stored(21), "R20");
}

} // namespace
} // namespace norvo::testing
