#include "ScriptParser.h"
#include "ScriptError.h"

#include <gtest/gtest.h>

namespace norvo::replay {
namespace {

TEST(ScriptParser, SkipsBlankLinesAndComments)
{
    EXPECT_FALSE(ScriptParser::parse(""));
    EXPECT_FALSE(ScriptParser::parse(" \t "));
    EXPECT_FALSE(ScriptParser::parse("   # click btnQuit"));
    // Only a leading # makes a comment.
    EXPECT_THROW(ScriptParser::parse("tick 300 # three hundred"), ScriptError);
}

TEST(ScriptParser, ReadsControlReferencesWithIndexAndChild)
{
    const ControlRef plain = ScriptParser::parseControl("btnQuit");
    EXPECT_EQ(plain.name, "btnQuit");
    EXPECT_FALSE(plain.index);
    EXPECT_EQ(plain.child, "");

    const ControlRef child = ScriptParser::parseControl("ToSpeaker(&H1).shpCaption");
    EXPECT_EQ(child.name, "ToSpeaker");
    EXPECT_EQ(child.index, 1);
    EXPECT_EQ(child.child, "shpCaption");
    EXPECT_EQ(child.written, "ToSpeaker(&H1).shpCaption");
}

TEST(ScriptParser, PropertyIsTheLastPartOfAReference)
{
    const MemberRef own = ScriptParser::parseMember("RoomStatus(0).BackColor");
    EXPECT_EQ(own.control.name, "RoomStatus");
    EXPECT_EQ(own.control.index, 0);
    EXPECT_EQ(own.control.child, "");
    EXPECT_EQ(own.member, "BackColor");

    const MemberRef ofChild = ScriptParser::parseMember("btnQuit.lblCaption.Caption");
    EXPECT_EQ(ofChild.control.name, "btnQuit");
    EXPECT_EQ(ofChild.control.child, "lblCaption");
    EXPECT_EQ(ofChild.control.written, "btnQuit.lblCaption");
    EXPECT_EQ(ofChild.member, "Caption");
}

TEST(ScriptParser, PrintSortsItsItemsIntoFieldsFocusSettingsAndProperties)
{
    const auto command = ScriptParser::parse("print VoiceHandle focus settings TOKA.Width");
    ASSERT_TRUE(command);
    EXPECT_EQ(command->id, CommandId::Print);
    ASSERT_EQ(command->arguments.size(), 4u);
    EXPECT_EQ(std::get<PrintItem>(command->arguments[0]).kind, PrintItem::Kind::Field);
    EXPECT_EQ(std::get<PrintItem>(command->arguments[1]).kind, PrintItem::Kind::Focus);
    EXPECT_EQ(std::get<PrintItem>(command->arguments[2]).kind, PrintItem::Kind::Settings);
    const PrintItem& property = std::get<PrintItem>(command->arguments[3]);
    EXPECT_EQ(property.kind, PrintItem::Kind::Property);
    EXPECT_EQ(property.property.control.name, "TOKA");
    EXPECT_EQ(property.property.member, "Width");
}

TEST(ScriptParser, GroupCommandsTakeTheirOwnArguments)
{
    const auto event = ScriptParser::parse("event ObjectValueChanged 7 &H1B");
    ASSERT_TRUE(event);
    EXPECT_EQ(event->id, CommandId::EventObjectValueChanged);
    EXPECT_EQ(event->section, CommandSection::Panel);
    ASSERT_EQ(event->arguments.size(), 2u);
    EXPECT_EQ(std::get<std::int32_t>(event->arguments[1]), 27);

    const auto mouse = ScriptParser::parse("mousedown Freq(0) 2");
    ASSERT_TRUE(mouse);
    EXPECT_EQ(mouse->arguments.size(), 2u);
    EXPECT_EQ(ScriptParser::parse("mousedown Freq(0)")->arguments.size(), 1u);
    EXPECT_TRUE(std::holds_alternative<FocusNone>(ScriptParser::parse("focus none")->arguments[0]));
}

TEST(ScriptParser, SetTakesAnyLiteral)
{
    const Literal size = std::get<Literal>(ScriptParser::parse("set Label2.FontSize 6.75")->arguments[1]);
    EXPECT_DOUBLE_EQ(std::get<double>(size.value), 6.75);
    const Literal text = std::get<Literal>(ScriptParser::parse("set btnQuit.FontEx \"Left\"")->arguments[1]);
    EXPECT_EQ(std::get<std::string>(text.value), "Left");
}

struct BadLine {
    const char* line;
    const char* why;
};

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
        BadLine{"\"start\"", "a line must start with a command, not \"start\""},
        BadLine{"Start", "unknown command Start"}, BadLine{"start now", "usage: start"},
        BadLine{"pilot \"1\" \"1\" \"122.800\"", "usage: pilot RX TX COM1 COM2"},
        BadLine{"object \"7\" \"VOICE\" \"TOKA\"", "object: HANDLE must be an integer, not \"7\""},
        BadLine{"object 7 VOICE \"TOKA\"", "object: TYPE must be a string, not VOICE"},
        BadLine{"hosted true", "hosted: BOOL must be True or False, not true"},
        BadLine{"hosted 1", "hosted: BOOL must be True or False, not 1"},
        BadLine{
            "fail Frobnicate", "fail: MEMBER must be a voice-client member, IsHosted or ClosePanel, not Frobnicate"},
        BadLine{"fail \"Detach\"", "fail: MEMBER must be a member name, not \"Detach\""},
        BadLine{"setting CHANNEL0 \"x\"", "setting: KEY must be a string, not CHANNEL0"},
        BadLine{"event",
            "event needs one of: Disconnected, Connected, MainPilotUserDeleted, MainPilotUserChanged, "
            "MainPilotUserCreated, ObjectCreated, ObjectDeleted, ObjectTextChanged, ObjectValueChanged"},
        BadLine{"event Quit",
            "unknown event Quit; one of: Disconnected, Connected, MainPilotUserDeleted, "
            "MainPilotUserChanged, MainPilotUserCreated, ObjectCreated, ObjectDeleted, "
            "ObjectTextChanged, ObjectValueChanged"},
        BadLine{"event ObjectCreated", "usage: event ObjectCreated H"},
        BadLine{"event Connected 7", "usage: event Connected"}, BadLine{"host Sizing", "usage: host Sizing SIDE"},
        BadLine{"host",
            "host needs one of: HostinghWnd, Sizing, CanDeactivate, Activated, HasTitle, Sizeable, "
            "Closeable, Dockframe"},
        BadLine{"click", "usage: click REF"}, BadLine{"click Room(", "malformed control reference Room("},
        BadLine{"click Room()", "malformed control reference Room()"}, BadLine{"click Room(x)", "invalid number x"},
        BadLine{"click Room(-1)", "a control index cannot be negative: Room(-1)"},
        BadLine{"click 2Room", "invalid number 2Room"},
        BadLine{"click btnQuit.lblCaption.Caption", "malformed control reference btnQuit.lblCaption.Caption"},
        BadLine{"click \"btnQuit\"", "click: REF must be a control, not \"btnQuit\""},
        BadLine{"mousedown Freq(0) 1 2", "usage: mousedown REF [BUTTON]"},
        BadLine{"set btnQuit 2", "malformed property reference btnQuit"},
        BadLine{"set btnQuit.Status", "usage: set PROPREF VALUE"},
        BadLine{"set btnQuit.Status two", "set: VALUE must be a value (integer, string, True or False), not two"},
        BadLine{"set Room(0).", "malformed property reference Room(0)."}, BadLine{"print", "usage: print ITEM..."},
        BadLine{"print Room(2)", "print: ITEM must be a panel field, focus, settings or a property, not Room(2)"},
        BadLine{"print \"focus\"", "print: ITEM must be a panel field, focus, settings or a property, not \"focus\""},
        BadLine{"newlabel 1x UserLabel", "invalid number 1x"},
        BadLine{"newlabel L.x UserLabel", "newlabel: NAME must be a name, not L.x"},
        BadLine{"newlabel L Label", "newlabel: CLASS must be UserLabel or UserLabelGraph, not Label"},
        BadLine{"invoke btnQuit", "malformed property reference btnQuit"},
        BadLine{"invoke btnQuit.Blink 4 two", "invoke: ARGS must be an integer, not two"},
        BadLine{"snapshot \"\"", "snapshot: FILE must be a file name, not \"\""},
        BadLine{"calls now", "usage: calls"}));

} // namespace
} // namespace norvo::replay
