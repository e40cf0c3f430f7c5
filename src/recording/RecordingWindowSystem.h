#pragma once

#include "platform/WindowSystem.h"
#include "recording/CallLog.h"

namespace norvo {

// A window system that only records: regions are numbered 1, 2, 3, … in
// creation order, every window but handle 0 accepts a region while
// acceptsRegions() is true, and each call is written to the call log.
class RecordingWindowSystem : public WindowSystem {
public:
    explicit RecordingWindowSystem(CallLog& log)
        : log_(log)
    {
    }

    void setAcceptsRegions(bool accepts) { acceptsRegions_ = accepts; }
    bool acceptsRegions() const { return acceptsRegions_; }

    std::int32_t CreateRoundRectRgn(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
        std::int32_t ellipseWidth, std::int32_t ellipseHeight) override;
    bool SetWindowRgn(std::int32_t window, std::int32_t region, bool redraw) override;
    void DeleteObject(std::int32_t object) override;
    void DoEvents() override;
    void ReleaseCapture() override;
    void SendMessage(std::int32_t window, std::int32_t message, std::int32_t wParam) override;

private:
    CallLog& log_;
    bool acceptsRegions_ = true;
    std::int32_t lastRegion_ = 0;
};

} // namespace norvo
