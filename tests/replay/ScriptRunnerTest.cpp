#include "ScriptRunner.h"
#include "PanelRenderer.h"
#include "support/CaseNames.h"

#include "platform/Control.h"
#include "recording/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace norvo::replay {
namespace {

struct Outcome {
    bool completed;
    std::string out;
    std::string err;
};

Outcome runScript(const std::string& script, ReplayOptions options = {})
{
    std::ostringstream out;
    std::ostringstream err;
    const bool completed = ScriptRunner(std::move(options)).run("s.script", script, out, err);
    return {completed, out.str(), err.str()};
}

TEST(ScriptRunner, InvalidLineNamesFileAndLineAndSkipsTheRest)
{
    const Outcome outcome
        = runScript("setting \"CHANNEL0\" \"A\"\r\n\n# set up\nprint settings\nfrobnicate\nprint settings\n");
    EXPECT_FALSE(outcome.completed);
    EXPECT_EQ(outcome.out, "\"CHANNEL0\" = \"A\"\n");
    EXPECT_EQ(outcome.err, "s.script:5: error: unknown command frobnicate\n");
}

TEST(ScriptRunner, FreeStandingLabelReportsItsEventsAmongTheCalls)
{
    const Outcome outcome = runScript("start\nforget\nnewlabel L UserLabel\nclick L\ndblclick L\n"
                                      "dblclick L.lblCaption\ncalls\nstored L\n");
    EXPECT_EQ(outcome.out, "raise L.Click\nraise L.Click\nraise L.DblClick\n");
    EXPECT_EQ(outcome.err, "");
}

// Not in the printed output, which stays the same whatever the disk holds.
TEST(ScriptRunner, SettingsProblemGoesToStandardErrorWithItsLine)
{
    ReplayOptions options;
    options.settingsFile = "full.ini";
    options.openSettings = [](const std::filesystem::path&) {
        auto store = std::make_unique<MemorySettingsStore>();
        store->failWrites(SettingsProblem{SettingsProblem::Kind::Unwritable, "full.ini", "disk full"});
        return store;
    };
    const Outcome outcome = runScript("nopilot\nstart\nprint FreqInfo(2).ListCount\n", std::move(options));
    EXPECT_TRUE(outcome.completed);
    EXPECT_EQ(outcome.out, "FreqInfo(2).ListCount = 0\n");
    EXPECT_EQ(outcome.err,
        "s.script:2: settings: cannot write the settings file full.ini (disk full); the remembered channels are "
        "kept only until the panel closes\n");
}

struct RuntimeCase {
    const char* script;
    const char* error;
};

void PrintTo(const RuntimeCase& c, std::ostream* out) { *out << c.script; }

class InvalidAtRunTime : public ::testing::TestWithParam<RuntimeCase> { };

TEST_P(InvalidAtRunTime, IsAnInvalidLine)
{
    const Outcome outcome = runScript(GetParam().script);
    EXPECT_FALSE(outcome.completed);
    EXPECT_EQ(outcome.err, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Table, InvalidAtRunTime,
    ::testing::Values(RuntimeCase{"click btnQuit", "s.script:1: error: click: the panel is not started\n"},
        RuntimeCase{"start\nstop\nclick btnQuit", "s.script:3: error: click: the panel has been stopped\n"},
        RuntimeCase{"start\nstart", "s.script:2: error: start: the panel is already started\n"},
        RuntimeCase{"print VoiceHandle", "s.script:1: error: print VoiceHandle: the panel is not started\n"},
        RuntimeCase{"print btnQuit.Status", "s.script:1: error: no control btnQuit: the panel is not started\n"},
        RuntimeCase{"long 9 0 1", "s.script:1: error: long: the voice client holds no object 9\n"},
        RuntimeCase{"start\nclick Nope", "s.script:2: error: the panel has no control Nope\n"},
        RuntimeCase{"start\nclick Room(0).lblCaption",
            "s.script:2: error: Room(0).lblCaption: only a skinned label's parts can follow a control\n"},
        RuntimeCase{
            "start\nclick btnQuit.Nothing", "s.script:2: error: btnQuit.Nothing: a UserLabel has no part Nothing\n"},
        RuntimeCase{"start\nclick lblCaption", "s.script:2: error: the panel has no control lblCaption\n"},
        RuntimeCase{"start\nprint Freq(0).Text", "s.script:2: error: Label Freq(0) has no property Text\n"},
        RuntimeCase{"start\nset FreqInfo(2).List 1", "s.script:2: error: List cannot be set\n"},
        RuntimeCase{"start\nset btnQuit.Status True", "s.script:2: error: Status takes an integer, not True\n"},
        RuntimeCase{
            "start\nset TOKA.Width 100", "s.script:2: error: TOKA.Width cannot be set; resize W H sizes the panel\n"},
        RuntimeCase{"start\ntype Freq(0) \"x\"", "s.script:2: error: type needs a combo box, not Freq(0)\n"},
        RuntimeCase{"start\npick FreqInfo(2) 0", "s.script:2: error: pick: FreqInfo(2) has no list item 0\n"},
        RuntimeCase{"start\ntick -1", "s.script:2: error: tick: time cannot run backwards\n"},
        RuntimeCase{"start\nkey FreqInfo(2) 32768", "s.script:2: error: key: CODE must fit 16 bits\n"},
        RuntimeCase{"start\nmousedown Freq(0) 3",
            "s.script:2: error: mousedown: BUTTON must be 1 (left), 2 (right) or 4 (middle)\n"},
        RuntimeCase{
            "start\ninvoke Room(0).Blink 1 2", "s.script:2: error: invoke needs a skinned label, not Room(0)\n"},
        RuntimeCase{"start\ninvoke btnQuit.Flash", "s.script:2: error: a UserLabel has no method Flash\n"},
        RuntimeCase{
            "start\ninvoke btnQuit.Blink 4", "s.script:2: error: usage: invoke REF.Blink BLINKSTATUS BLINKLOOP\n"},
        RuntimeCase{"start\nnewlabel btnQuit UserLabel",
            "s.script:2: error: newlabel: a control named btnQuit exists already\n"},
        RuntimeCase{
            "start\nnewlabel TOKA UserLabel", "s.script:2: error: newlabel: a control named TOKA exists already\n"},
        RuntimeCase{"start\nnewlabel L UserLabel\nfocus L", "s.script:3: error: focus: L is not on the panel\n"},
        RuntimeCase{"start\nresize 5 -1", "s.script:2: error: a size cannot be negative\n"}),
    NamedAfterPrintTo());

TEST(ScriptRunner, TickLongerThanTheLimitIsInvalid)
{
    ReplayOptions options;
    options.maxTickMilliseconds = 1000;
    EXPECT_TRUE(runScript("start\ntick 1000\n", options).completed);
    EXPECT_EQ(runScript("start\ntick 1001\n", options).err, "s.script:2: error: tick: at most 1000 ms at once\n");
}

TEST(ScriptRunner, RenderingWithoutAFrontEndIsAnErrorNotAnInvalidLine)
{
    // The last line has no line feed.
    const Outcome outcome = runScript("start\npixel 0 0\npress Tab\nprint btnQuit.AccessibleRole\nsnapshot \"p.png\"");
    EXPECT_TRUE(outcome.completed);
    EXPECT_EQ(outcome.out,
        "error: pixel needs the Qt front end, which this toka-replay is built without\n"
        "error: press needs the Qt front end, which this toka-replay is built without\n"
        "error: btnQuit.AccessibleRole needs the Qt front end, which this toka-replay is built without\n"
        "error: snapshot needs the Qt front end, which this toka-replay is built without\n");
}

class FakeRenderer : public PanelRenderer {
public:
    Colour pixel(TOKA&, std::int32_t x, std::int32_t y) override
    {
        if (x >= 535)
            throw std::out_of_range("outside");
        return static_cast<Colour>(x + y);
    }
    void snapshot(TOKA&, const std::filesystem::path& file) override { files.push_back(file); }
    void press(TOKA&, const std::string& key) override { keys.push_back(key); }
    std::string accessible(TOKA&, const Control& control, AccessibleItem item) override
    {
        return item == AccessibleItem::Role ? "Button" : control.reference() + " \"x\"";
    }
    void release(TOKA&) noexcept override { ++released; }

    std::vector<std::filesystem::path> files;
    std::vector<std::string> keys;
    int released = 0;
};

// Names and descriptions print as strings, a role as a word; the renderer
// lets go of each panel before it goes, a restarted one too.
TEST(ScriptRunner, FrontEndCommandsGoThroughTheRenderer)
{
    FakeRenderer renderer;
    ReplayOptions options;
    options.renderer = &renderer;
    options.pngDir = "shots";
    const Outcome outcome = runScript("start\npixel 3 4\npixel 600 0\nsnapshot panel.png\npress Backtab\n"
                                      "press \"\u00e9\"\nprint RoomStatus(0).AccessibleDescription\n"
                                      "print RoomStatus(0).AccessibleRole\nstop\nstart\n",
        options);
    EXPECT_EQ(outcome.out,
        "pixel(3, 4) = &H000007\nerror: outside\nRoomStatus(0).AccessibleDescription = \"RoomStatus(0) \\\"x\\\"\"\n"
        "RoomStatus(0).AccessibleRole = Button\n");
    EXPECT_EQ(renderer.files, (std::vector<std::filesystem::path>{std::filesystem::path("shots") / "panel.png"}));
    EXPECT_EQ(renderer.keys, (std::vector<std::string>{"Backtab", "\u00e9"}));
    EXPECT_EQ(renderer.released, 2);
}

} // namespace
} // namespace norvo::replay
