#include "recording/RecordingWindowSystem.h"

#include "platform/CheckedMath.h"

#include <string>

namespace norvo {

std::int32_t RecordingWindowSystem::CreateRoundRectRgn(std::int32_t left, std::int32_t top, std::int32_t right,
    std::int32_t bottom, std::int32_t ellipseWidth, std::int32_t ellipseHeight)
{
    lastRegion_ = checkedAdd(lastRegion_, 1);
    log_.add("Win.CreateRoundRectRgn(" + std::to_string(left) + ", " + std::to_string(top) + ", "
        + std::to_string(right) + ", " + std::to_string(bottom) + ", " + std::to_string(ellipseWidth) + ", "
        + std::to_string(ellipseHeight) + ") = " + std::to_string(lastRegion_));
    return lastRegion_;
}

bool RecordingWindowSystem::SetWindowRgn(std::int32_t window, std::int32_t region, bool redraw)
{
    const bool accepted = window != 0 && acceptsRegions_;
    log_.add("Win.SetWindowRgn(" + std::to_string(window) + ", " + std::to_string(region) + ", "
        + CallLog::boolean(redraw) + ") = " + CallLog::boolean(accepted));
    return accepted;
}

void RecordingWindowSystem::DeleteObject(std::int32_t object)
{
    log_.add("Win.DeleteObject(" + std::to_string(object) + ")");
}
void RecordingWindowSystem::DoEvents() { log_.add("Win.DoEvents()"); }
void RecordingWindowSystem::ReleaseCapture() { log_.add("Win.ReleaseCapture()"); }

void RecordingWindowSystem::SendMessage(std::int32_t window, std::int32_t message, std::int32_t wParam)
{
    log_.add("Win.SendMessage(" + std::to_string(window) + ", " + std::to_string(message) + ", "
        + std::to_string(wParam) + ")");
}

} // namespace norvo
