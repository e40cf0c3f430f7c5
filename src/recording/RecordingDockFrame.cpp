#include "recording/RecordingDockFrame.h"

#include <stdexcept>

namespace norvo {

void RecordingDockFrame::failNext(std::string_view member)
{
    if (member == "IsHosted")
        ++failIsHosted_;
    else if (member == "ClosePanel")
        ++failClosePanel_;
    else
        throw std::invalid_argument("the dock-frame client has no member " + std::string(member));
}

bool RecordingDockFrame::IsHosted()
{
    if (failIsHosted_ > 0) {
        --failIsHosted_;
        log_.add("DKF.IsHosted() failed");
        throw DockFrameError("DKF.IsHosted failed: failure injected");
    }
    log_.add("DKF.IsHosted() = " + CallLog::boolean(hosted_));
    return hosted_;
}

void RecordingDockFrame::ClosePanel(const std::string& progId)
{
    const std::string line = "DKF.ClosePanel(" + CallLog::quote(progId) + ")";
    if (failClosePanel_ > 0) {
        --failClosePanel_;
        log_.add(line + " failed");
        throw DockFrameError("DKF.ClosePanel failed: failure injected");
    }
    log_.add(line);
}

} // namespace norvo
