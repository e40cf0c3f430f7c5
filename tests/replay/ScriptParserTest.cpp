#include "ScriptParser.h"
#include "ScriptError.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

namespace norvo::replay {
namespace {

TEST(ScriptParser, SkipsBlankLinesAndComments)
{
    EXPECT_FALSE(ScriptParser::parse(" \t "));
    EXPECT_FALSE(ScriptParser::parse("   # click btnQuit"));
    // Only a leading # makes a comment.
    EXPECT_THROW(ScriptParser::parse("tick 300 # three hundred"), ScriptError);
}

TEST(ScriptParser, ReadsChildReferencesAndHexadecimalIndices)
{
    const ControlRef child = ScriptParser::parseControl("ToSpeaker(&H1).shpCaption");
    EXPECT_EQ(child.name, "ToSpeaker");
    EXPECT_EQ(child.index, 1);
    EXPECT_EQ(child.child, "shpCaption");

    const MemberRef ofChild = ScriptParser::parseMember("btnQuit.lblCaption.Caption");
    EXPECT_EQ(ofChild.control.name, "btnQuit");
    EXPECT_EQ(ofChild.control.child, "lblCaption");
    EXPECT_EQ(ofChild.control.written, "btnQuit.lblCaption");
    EXPECT_EQ(ofChild.member, "Caption");
}

TEST(ScriptParser, GroupsOptionalArgumentsAndLiterals)
{
    const auto event = ScriptParser::parse("event ObjectValueChanged 7 &H1B");
    ASSERT_TRUE(event);
    EXPECT_EQ(event->id, CommandId::EventObjectValueChanged);
    EXPECT_EQ(event->section, CommandSection::Panel);
    EXPECT_EQ(std::get<VoiceEvent>(event->arguments.at(0)), (VoiceEvent{VoiceEvent::Kind::ObjectValueChanged, 7, 27}));

    EXPECT_EQ(ScriptParser::parse("mousedown Freq(0) 2")->arguments.size(), 2u);
    EXPECT_EQ(ScriptParser::parse("mousedown Freq(0)")->arguments.size(), 1u);
    EXPECT_TRUE(std::holds_alternative<FocusNone>(ScriptParser::parse("focus none")->arguments.at(0)));
    const Literal size = std::get<Literal>(ScriptParser::parse("set Label2.FontSize 6.75")->arguments.at(1));
    EXPECT_DOUBLE_EQ(std::get<double>(size.value), 6.75);
    const Literal text = std::get<Literal>(ScriptParser::parse("set btnQuit.FontEx \"Left\"")->arguments.at(1));
    EXPECT_EQ(std::get<std::string>(text.value), "Left");
}

struct BadLine {
    const char* line;
    const char* why;
};

void PrintTo(const BadLine& c, std::ostream* out) { *out << spelt(c.line); }

class InvalidLine : public ::testing::TestWithParam<BadLine> { };

TEST_P(InvalidLine, IsRefusedWithItsReason)
{
    try {
        ScriptParser::parse(GetParam().line);
        FAIL() << "accepted " << GetParam().line;
    } catch (const ScriptError& error) {
        EXPECT_STREQ(error.what(), GetParam().why);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, InvalidLine,
    ::testing::Values(BadLine{"frobnicate", "unknown command frobnicate"},
        BadLine{"\"start\"", "a line must start with a command, not \"start\""}, BadLine{"start now", "usage: start"},
        BadLine{"pilot \"1\" \"1\" \"122.800\"", "usage: pilot RX TX COM1 COM2"},
        BadLine{"object \"7\" \"VOICE\" \"TOKA\"", "object: HANDLE must be an integer, not \"7\""},
        BadLine{"object 7 VOICE \"TOKA\"", "object: TYPE must be a string, not VOICE"},
        BadLine{"hosted true", "hosted: BOOL must be True or False, not true"},
        BadLine{
            "fail Frobnicate", "fail: MEMBER must be a voice-client member, IsHosted or ClosePanel, not Frobnicate"},
        BadLine{"fail \"Detach\"", "fail: MEMBER must be a member name, not \"Detach\""},
        BadLine{"event",
            "event needs one of: Disconnected, Connected, MainPilotUserDeleted, MainPilotUserChanged, "
            "MainPilotUserCreated, ObjectCreated, ObjectDeleted, ObjectTextChanged, ObjectValueChanged"},
        BadLine{"host Quit",
            "unknown host Quit; one of: HostinghWnd, Sizing, CanDeactivate, Activated, HasTitle, Sizeable, "
            "Closeable, Dockframe"},
        BadLine{"event ObjectCreated", "usage: event ObjectCreated H"},
        BadLine{"during GetLong", "usage: during MEMBER EVENT [ARGS]"},
        BadLine{"during IsHosted Connected", "during: MEMBER must be a voice-client member, not IsHosted"},
        BadLine{"during GetLong ObjectCreated 7 8", "usage: event ObjectCreated H"},
        BadLine{"during GetLong Quit",
            "during: unknown event Quit; one of: Disconnected, Connected, MainPilotUserDeleted, MainPilotUserChanged, "
            "MainPilotUserCreated, ObjectCreated, ObjectDeleted, ObjectTextChanged, ObjectValueChanged"},
        BadLine{"click Room(", "malformed control reference Room("},
        BadLine{"click Room()", "malformed control reference Room()"}, BadLine{"click Room(x)", "invalid number x"},
        BadLine{"click Room(-1)", "a control index cannot be negative: Room(-1)"},
        BadLine{"click btnQuit.lblCaption.Caption", "malformed control reference btnQuit.lblCaption.Caption"},
        BadLine{"click \"btnQuit\"", "click: REF must be a control, not \"btnQuit\""},
        BadLine{"set btnQuit 2", "malformed property reference btnQuit"},
        BadLine{"set Room(0).", "malformed property reference Room(0)."},
        BadLine{"set btnQuit.Status two", "set: VALUE must be a value (integer, string, True or False), not two"},
        BadLine{"print", "usage: print ITEM..."},
        BadLine{"print Room(2)", "print: ITEM must be a panel field, focus, settings or a property, not Room(2)"},
        BadLine{"newlabel L.x UserLabel", "newlabel: NAME must be a name, not L.x"},
        BadLine{"newlabel L Label", "newlabel: CLASS must be UserLabel or UserLabelGraph, not Label"},
        BadLine{"invoke btnQuit.Blink 4 two", "invoke: ARGS must be an integer, not two"},
        BadLine{"snapshot \"\"", "snapshot: FILE must be a file name, not \"\""},
        BadLine{"press Enter",
            "press: KEY must be a key name (Tab, Backtab, Space, Return, Escape, Left, Right, Up, Down) or one "
            "printable character in quotes, not Enter"},
        BadLine{"press \"AB\"",
            "press: KEY must be a key name (Tab, Backtab, Space, Return, Escape, Left, Right, Up, Down) or one "
            "printable character in quotes, not \"AB\""},
        BadLine{"press \"\\t\"",
            "press: KEY must be a key name (Tab, Backtab, Space, Return, Escape, Left, Right, Up, Down) or one "
            "printable character in quotes, not \"\\t\""}),
    NamedAfterPrintTo());

} // namespace
} // namespace norvo::replay
