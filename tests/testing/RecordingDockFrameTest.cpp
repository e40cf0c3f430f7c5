#include "testing/RecordingDockFrame.h"

#include <gtest/gtest.h>

namespace norvo {
namespace {

TEST(RecordingDockFrame, AnswersAsToldAndLogsCalls)
{
    CallLog log;
    RecordingDockFrame dock(log);
    EXPECT_FALSE(dock.IsHosted());
    dock.setHosted(true);
    EXPECT_TRUE(dock.IsHosted());
    dock.ClosePanel("NorvoUITOKA.TOKA");
    dock.failNext("ClosePanel");
    EXPECT_THROW(dock.ClosePanel("NorvoUITOKA.TOKA"), DockFrameError);
    EXPECT_THROW(dock.failNext("Dock"), std::invalid_argument);
    EXPECT_EQ(dock.closeRequests(), 1);
    EXPECT_EQ(log.take(),
        (std::vector<std::string>{"DKF.IsHosted() = False", "DKF.IsHosted() = True",
            "DKF.ClosePanel(\"NorvoUITOKA.TOKA\")", "DKF.ClosePanel(\"NorvoUITOKA.TOKA\") failed"}));
}

} // namespace
} // namespace norvo
