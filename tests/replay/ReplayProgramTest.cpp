#include "ReplayProgram.h"

#include "recording/MemorySettingsStore.h"

#include <NorvoUITOKA/norvouitoka_version.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace norvo::replay {
namespace {

class ReplayProgramTest : public ::testing::Test {
protected:
    // A folder of this test's own: tests run in parallel processes, which
    // must not write over each other's scripts.
    void SetUp() override
    {
        folder_ = std::filesystem::path(::testing::TempDir())
            / ("replay-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-"
                + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string write(const std::string& name, const std::string& text)
    {
        const std::filesystem::path file = folder_ / name;
        std::ofstream(file) << text;
        return file.string();
    }

    int run(std::vector<std::string> arguments, const std::string& input = {}, SettingsFileOpener openSettings = {})
    {
        std::istringstream in(input);
        std::ostringstream outStream;
        std::ostringstream errStream;
        const int status = ReplayProgram::run(arguments, in, outStream, errStream, {}, std::move(openSettings));
        out = outStream.str();
        err = errStream.str();
        return status;
    }

    std::string out;
    std::string err;
    std::filesystem::path folder_;
};

TEST_F(ReplayProgramTest, UsageErrorsExitWithTwo)
{
    EXPECT_EQ(run({}), ReplayProgram::UsageError);
    EXPECT_NE(err.find("usage: toka-replay"), std::string::npos);
    EXPECT_EQ(run({"--png"}), ReplayProgram::UsageError);
    EXPECT_EQ(run({"--png-dir"}), ReplayProgram::UsageError);
    EXPECT_EQ(run({"--png-dir", "shots"}), ReplayProgram::UsageError);
    EXPECT_EQ(run({"--settings"}), ReplayProgram::UsageError);
    EXPECT_EQ(run({"--settings", "my.ini", "-"}), ReplayProgram::UsageError);
    EXPECT_NE(err.find("--settings needs the Qt front end"), std::string::npos);
    EXPECT_EQ(run({"--front", "quick", "-"}), ReplayProgram::UsageError);
    EXPECT_NE(err.find("--front quick: no such front end"), std::string::npos);
    EXPECT_EQ(out, "");
}

TEST_F(ReplayProgramTest, HelpAndVersionAnswerOnStandardOutputAndExitWithZero)
{
    EXPECT_EQ(run({"--help", "missing.script"}), ReplayProgram::Success);
    EXPECT_EQ(out.rfind("usage: toka-replay [--png-dir DIR] [--settings INI] [--front widgets|quick] FILE...", 0), 0u);
    EXPECT_EQ(run({"--version"}), ReplayProgram::Success);
    EXPECT_EQ(out, "toka-replay " NORVOUITOKA_VERSION_STRING "\n");
    EXPECT_EQ(err, "");
}

// Each script gets a store of its own on the same file.
TEST_F(ReplayProgramTest, SettingsOptionOpensTheFileForEachScript)
{
    std::vector<std::filesystem::path> opened;
    const auto openSettings = [&](const std::filesystem::path& file) {
        opened.push_back(file);
        auto store = std::make_unique<MemorySettingsStore>();
        store->SaveSetting("NORVOUITOKA", "PRIVATE", "FROM", file.string());
        return store;
    };
    const std::string script = write("settings.script", "print settings\n");
    EXPECT_EQ(run({"--settings=my.ini", script, script}, {}, openSettings), ReplayProgram::Success);
    EXPECT_EQ(out, "\"FROM\" = \"my.ini\"\n\"FROM\" = \"my.ini\"\n");
    EXPECT_EQ(opened.size(), 2u);
}

TEST_F(ReplayProgramTest, EachFileRunsAgainstAFreshWorldAndAFailedOneFailsTheRun)
{
    const std::string first = write("first.script", "setting \"CHANNEL0\" \"A\"\nprint settings\n");
    const std::string bad = write("bad.script", "tick\nsetting \"X\" \"never\"\nprint settings\n");
    const std::string second = write("second.script", "print settings\nsetting \"CHANNEL1\" \"B\"\nprint settings\n");
    EXPECT_EQ(run({first, bad, second}), ReplayProgram::ScriptFailed);
    EXPECT_EQ(out, "\"CHANNEL0\" = \"A\"\n\"CHANNEL1\" = \"B\"\n");
    EXPECT_EQ(err, bad + ":1: error: usage: tick MS\n");
    EXPECT_EQ(run({first, second}), ReplayProgram::Success);
    // A dash reads standard input.
    EXPECT_EQ(run({"--png-dir", "shots", "-"}, "setting \"Z\" \"z\"\nprint settings\n"), ReplayProgram::Success);
    EXPECT_EQ(out, "\"Z\" = \"z\"\n");
    EXPECT_EQ(run({"-"}, "bogus\n"), ReplayProgram::ScriptFailed);
    EXPECT_EQ(err, "-:1: error: unknown command bogus\n");
}

// Files that cannot be read, and a folder for snapshots that cannot be
// written, are reported with the reason; the other files still run.
TEST_F(ReplayProgramTest, WhatCannotBeReadOrWrittenExitsWithTwo)
{
    const std::string good = write("good.script", "setting \"CHANNEL0\" \"A\"\nprint settings\n");
    const std::string bad = write("bad.script", "tick\n");
    const std::string folder = folder_.string();
    EXPECT_EQ(run({"--png-dir", good, bad, "/nonexistent/missing.script", folder, good}), ReplayProgram::UsageError);
    EXPECT_EQ(out, "\"CHANNEL0\" = \"A\"\n");
    EXPECT_EQ(err,
        "toka-replay: --png-dir " + good + ": cannot be written: Not a directory\n" + bad
            + ":1: error: usage: tick MS\n/nonexistent/missing.script: error: cannot read the file: No such file or "
              "directory\n"
            + folder + ": error: cannot read the file: it is a folder\n");
}

} // namespace
} // namespace norvo::replay
