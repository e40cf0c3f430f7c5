#include "PanelFixture.h"
#include "support/PanelEvents.h"

#include "support/CaseNames.h"
#include "support/ChangeCounter.h"

#include <limits>

namespace norvo::testing {
namespace {

constexpr Colour Green = 0x00C000;
constexpr Colour Grey = 0x404040;
constexpr Colour Purple = 0x800080;
constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();

using Display = PanelTest;

TEST_F(Display, EventsOutsideTheLayoutOrOfAnotherObjectReadNothing)
{
    startBound();
    const Lines shown = snapshot(panel->form());
    for (const std::int32_t index : {0, 1, 5, 28, -1, Max, Min})
        raiseEvent(*panel, VoiceEvent::Kind::ObjectValueChanged, Handle, index);
    for (const std::int32_t index : {0, 9, 13, -1, Max, Min})
        raiseEvent(*panel, VoiceEvent::Kind::ObjectTextChanged, Handle, index);
    raiseEvent(*panel, VoiceEvent::Kind::ObjectValueChanged, 5, 2);
    raiseEvent(*panel, VoiceEvent::Kind::ObjectTextChanged, 8, 10);
    EXPECT_TRUE(calls().empty());
    EXPECT_EQ(snapshot(panel->form()), shown);
}

TEST_F(Display, TwoRoomsNeverTouchTheFreeChannel)
{
    addObject(2, 10);
    for (std::int32_t i = 2; i < 24; ++i)
        voice.setLong(Handle, i, i % 3 == 0 ? 1 : 2);
    panel->Initialize();
    ChangeCounter paints(control("Room", 2));
    raiseEvent(*panel, VoiceEvent::Kind::ObjectCreated, Handle);
    EXPECT_EQ(paints.count(), 0u);
}

TEST_F(Display, SpeakerFlagsAreReadOnlyWhenTheFlagBeforeIsSet)
{
    startBound();
    raiseEvent(*panel, VoiceEvent::Kind::ObjectValueChanged, Handle, 3);
    EXPECT_EQ(calls(), (Lines{"Norvo.LockObject(7) = True", "Norvo.GetLong(2) = 0", "Norvo.UnlockObject()"}));
}

TEST_F(Display, AnyNonZeroFlagCountsAsSet)
{
    startBound();
    for (const auto& [index, value] :
        {std::pair{2, 5}, std::pair{3, 7}, std::pair{10, -2}, std::pair{6, 3}, std::pair{25, -1}, std::pair{15, 9}})
        voice.setLong(Handle, index, value);
    for (const std::int32_t index : {10, 6, 25, 15})
        raiseEvent(*panel, VoiceEvent::Kind::ObjectValueChanged, Handle, index);
    EXPECT_EQ(control<UserLabelGraph>("ToSpeaker", 0).Status(), 1);
    EXPECT_EQ(colour("SendActivity"), Purple);
    EXPECT_EQ(colour("PriorityChannel", 0), Green);
    EXPECT_EQ(colour("COMReceive", 2), Grey);
}

// Information arriving for a room that is not connected clears the tooltip.
TEST_F(Display, RoomNotConnectedShowsNoInformation)
{
    startBound();
    control("Freq", 0).setToolTipText("old");
    voice.setLong(Handle, 7, 1);
    voice.setText(Handle, 10, "info");
    raiseEvent(*panel, VoiceEvent::Kind::ObjectTextChanged, Handle, 10);
    EXPECT_EQ(control("Freq", 0).toolTipText(), "");
}

// A screen reader hears a connected room's name and information on its
// button, which is where a pilot whose simulator has the focus meets it (a
// tooltip shows over the active window only); new information follows.
TEST_F(Display, ConnectedRoomButtonTellsTheRoomsNameAndInformation)
{
    startBound();
    for (const std::int32_t k : {0, 2}) {
        const auto words = [&] { return control("RoomStatus", k).accessibleDescription(); };
        voice.setText(Handle, 7 + k, "EDDF_TWR");
        voice.setText(Handle, 10 + k, "Frankfurt Tower\r\nQNH 1013");
        voice.setLong(Handle, 7 + k, 2);
        raiseEvent(*panel, VoiceEvent::Kind::ObjectValueChanged, Handle, 7 + k);
        EXPECT_EQ(words(), "Connected to EDDF_TWR: Frankfurt Tower  QNH 1013") << k;
        voice.setText(Handle, 10 + k, "");
        raiseEvent(*panel, VoiceEvent::Kind::ObjectTextChanged, Handle, 10 + k);
        EXPECT_EQ(words(), "Connected to EDDF_TWR") << k;
        voice.setLong(Handle, 7 + k, 0);
        raiseEvent(*panel, VoiceEvent::Kind::ObjectValueChanged, Handle, 7 + k);
        EXPECT_EQ(words(), "Offline") << k;
    }
}

// A host's catalogue may put a pattern's fields in another order: the words
// follow it, and new information still replaces the old.
TEST_F(Display, ConnectedRoomWordsFollowTheCataloguesPattern)
{
    struct Reordering : TextCatalogue {
        std::string translate(const char* context, const char* english) const override
        {
            return std::string_view(english) == "Connected to %1: %2" ? "%2 (%1)"
                                                                      : TextCatalogue::translate(context, english);
        }
    } catalogue;
    panel.reset();
    panel = std::make_unique<TOKA>(TokaEnvironment{loggedVoice, dock, settings, windows, clock, catalogue});
    startBound();
    voice.setText(Handle, 7, "EDDF_TWR");
    voice.setText(Handle, 10, "Frankfurt Tower\r\nQNH 1013");
    voice.setLong(Handle, 7, 2);
    raiseEvent(*panel, VoiceEvent::Kind::ObjectValueChanged, Handle, 7);
    EXPECT_EQ(control("RoomStatus", 0).accessibleDescription(), "Frankfurt Tower  QNH 1013 (EDDF_TWR)");
    voice.setText(Handle, 10, "Frankfurt Tower\r\nQNH 1012");
    raiseEvent(*panel, VoiceEvent::Kind::ObjectTextChanged, Handle, 10);
    EXPECT_EQ(control("RoomStatus", 0).accessibleDescription(), "Frankfurt Tower  QNH 1012 (EDDF_TWR)");
}

// Everything shown: rooms connected and named, speakers routed per slot.
TEST_F(Display, RefreshFindingWhatIsShownRepaintsNothing)
{
    addObject(3, 7);
    for (const std::int32_t fixed : {2, 3, 6})
        voice.setLong(Handle, fixed, 1);
    for (std::int32_t k = 0; k < 3; ++k) {
        voice.setLong(Handle, 7 + k, 2);
        voice.setText(Handle, 7 + k, "ROOM" + std::to_string(k));
        voice.setText(Handle, 10 + k, "info\r\nline");
        voice.setLong(Handle, 10 + k, k % 2);
        voice.setLong(Handle, 19 + k, 1);
    }
    panel->Initialize();
    raiseEvent(*panel, VoiceEvent::Kind::ObjectCreated, Handle);
    ChangeCounter paints(panel->form());
    raiseEvent(*panel, VoiceEvent::Kind::ObjectCreated, Handle);
    for (std::int32_t index = 2; index < 28; ++index)
        raiseEvent(*panel, VoiceEvent::Kind::ObjectValueChanged, Handle, index);
    EXPECT_EQ(paints.count(), 0u);
    EXPECT_EQ(freeChannel().items(), Lines{"ROOM2"});
}

struct TipCase {
    const char* shown;
    const char* name;
    const char* info;
    const char* expected;
};

void PrintTo(const TipCase& c, std::ostream* out) { *out << "shown " << spelt(c.shown) << " info " << spelt(c.info); }

class RoomTip : public PanelTest, public ::testing::WithParamInterface<TipCase> { };

// The tooltip is written only when it reads otherwise.
TEST_P(RoomTip, IsRewrittenOnlyWhenItReadsOtherwise)
{
    const TipCase& c = GetParam();
    startBound();
    voice.setLong(Handle, 7, 2);
    voice.setText(Handle, 7, c.name);
    voice.setText(Handle, 10, c.info);
    control("Freq", 0).setToolTipText(c.shown);
    ChangeCounter paints(control("Freq", 0));
    raiseEvent(*panel, VoiceEvent::Kind::ObjectTextChanged, Handle, 10);
    EXPECT_EQ(control("Freq", 0).toolTipText(), c.expected);
    EXPECT_EQ(paints.count(), std::string(c.shown) == c.expected ? 0u : 1u);
}

INSTANTIATE_TEST_SUITE_P(Tips, RoomTip,
    ::testing::Values(TipCase{"R1 : a  b", "R1", "a\r\nb", "R1 : a  b"},
        TipCase{"R : 1 : a", "R", "1 : a", "R : 1 : a"}, TipCase{"R1 : a  b", "R1", "a\nbc", "R1 : a  bc"},
        TipCase{"R1 : a  bc", "R1", "a\nb", "R1 : a  b"}, TipCase{"R1 : a b", "R1", "a\nb", "R1 : a  b"},
        TipCase{"R1 : a", "R1 ", "a", "R1  : a"}, TipCase{"R1 - a", "R1", "a", "R1 : a"}, TipCase{"", "", "", " : "},
        // Breaks of either kind anywhere, alone or in runs.
        TipCase{"", "R", "a\rb\n\nc\r", "R : ab    c"}, TipCase{"R : a  b", "R", "\r\na\n\rb", "R :   a  b"},
        TipCase{"R : a    b", "R", "a\r\n\r\nb", "R : a    b"}),
    NamedAfterPrintTo());

} // namespace
} // namespace norvo::testing
