#include "testing/RecordingWindowSystem.h"

#include <gtest/gtest.h>

namespace norvo {
namespace {

TEST(RecordingWindowSystem, NumbersRegionsAndRecordsAcceptance)
{
    CallLog log;
    RecordingWindowSystem windows(log);
    EXPECT_EQ(windows.CreateRoundRectRgn(0, 0, 535, 21, 22, 22), 1);
    EXPECT_TRUE(windows.SetWindowRgn(100, 1, true));
    EXPECT_FALSE(windows.SetWindowRgn(0, 1, true));
    windows.setAcceptsRegions(false);
    EXPECT_EQ(windows.CreateRoundRectRgn(0, 0, 10, 10, 22, 22), 2);
    EXPECT_FALSE(windows.SetWindowRgn(100, 2, true));
    windows.DeleteObject(2);
    windows.SendMessage(100, WindowSystem::WM_NCLBUTTONDOWN, WindowSystem::HTCAPTION);
    EXPECT_EQ(log.take(),
        (std::vector<std::string>{
            "Win.CreateRoundRectRgn(0, 0, 535, 21, 22, 22) = 1",
            "Win.SetWindowRgn(100, 1, True) = True",
            "Win.SetWindowRgn(0, 1, True) = False",
            "Win.CreateRoundRectRgn(0, 0, 10, 10, 22, 22) = 2",
            "Win.SetWindowRgn(100, 2, True) = False",
            "Win.DeleteObject(2)",
            "Win.SendMessage(100, 161, 2)",
        }));
    EXPECT_TRUE(log.lines().empty());
}

} // namespace
} // namespace norvo
