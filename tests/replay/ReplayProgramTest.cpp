#include "ReplayProgram.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace norvo::replay {
namespace {

class ReplayProgramTest : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::string& text)
    {
        const std::filesystem::path file = std::filesystem::path(::testing::TempDir()) / name;
        std::ofstream(file) << text;
        return file.string();
    }

    int run(std::vector<std::string> arguments, const std::string& input = {})
    {
        std::istringstream in(input);
        std::ostringstream outStream;
        std::ostringstream errStream;
        const int status = ReplayProgram::run(arguments, in, outStream, errStream);
        out = outStream.str();
        err = errStream.str();
        return status;
    }

    std::string out;
    std::string err;
};

TEST_F(ReplayProgramTest, UsageErrorsExitWithTwo)
{
    EXPECT_EQ(run({}), ReplayProgram::UsageError);
    EXPECT_NE(err.find("usage: toka-replay"), std::string::npos);
    EXPECT_EQ(run({"--png"}), ReplayProgram::UsageError);
    EXPECT_EQ(run({"--png-dir"}), ReplayProgram::UsageError);
    EXPECT_EQ(run({"--png-dir", "shots"}), ReplayProgram::UsageError);
    EXPECT_EQ(out, "");
}

TEST_F(ReplayProgramTest, EachFileRunsAgainstAFreshWorldAndAFailedOneFailsTheRun)
{
    const std::string first = write("first.script", "setting \"CHANNEL0\" \"A\"\nprint settings\n");
    const std::string bad = write("bad.script", "tick\nsetting \"X\" \"never\"\nprint settings\n");
    const std::string second = write("second.script", "print settings\nsetting \"CHANNEL1\" \"B\"\nprint settings\n");
    EXPECT_EQ(run({first, bad, "/nonexistent/missing.script", second}), ReplayProgram::ScriptFailed);
    EXPECT_EQ(out, "\"CHANNEL0\" = \"A\"\n\"CHANNEL1\" = \"B\"\n");
    EXPECT_EQ(err, bad + ":1: error: usage: tick MS\n/nonexistent/missing.script: error: cannot read the file\n");
    EXPECT_EQ(run({first, second}), ReplayProgram::Success);
}

TEST_F(ReplayProgramTest, DashReadsStandardInput)
{
    EXPECT_EQ(run({"--png-dir", "shots", "-"}, "setting \"Z\" \"z\"\nprint settings\n"), ReplayProgram::Success);
    EXPECT_EQ(out, "\"Z\" = \"z\"\n");
    EXPECT_EQ(run({"-"}, "bogus\n"), ReplayProgram::ScriptFailed);
    EXPECT_EQ(err, "-:1: error: unknown command bogus\n");
}

} // namespace
} // namespace norvo::replay
