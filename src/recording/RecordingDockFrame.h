#pragma once

#include "host/DockFrame.h"
#include "recording/CallLog.h"

#include <string_view>

namespace norvo {

// A dock-frame client that answers IsHosted as it is told and writes every
// call to the call log ("DKF.IsHosted() = False").
class RecordingDockFrame : public DockFrame {
public:
    explicit RecordingDockFrame(CallLog& log)
        : log_(log)
    {
    }

    void setHosted(bool hosted) { hosted_ = hosted; }
    // The next call of IsHosted or ClosePanel fails; std::invalid_argument for
    // any other name.
    void failNext(std::string_view member);
    static bool isMember(std::string_view member) { return member == "IsHosted" || member == "ClosePanel"; }

    bool IsHosted() override;
    void ClosePanel(const std::string& progId) override;

private:
    CallLog& log_;
    bool hosted_ = false;
    int failIsHosted_ = 0;
    int failClosePanel_ = 0;
};

} // namespace norvo
