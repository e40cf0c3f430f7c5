#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>

#include <cstdint>

namespace norvo {

/// The window-system calls behind the window-shape and window-drag routines.
/// Handles are the window system's 32-bit values; 0 names nothing.
class NORVOUITOKA_EXPORT WindowSystem {
public:
    /// The message of a press of the left button on a window's frame.
    static constexpr std::int32_t WM_NCLBUTTONDOWN = 0xA1;
    /// With WM_NCLBUTTONDOWN: the press is on the title bar (so it moves the window).
    static constexpr std::int32_t HTCAPTION = 2;

    virtual ~WindowSystem() = default;
    /// A rounded-rectangle region; returns its handle.
    virtual std::int32_t CreateRoundRectRgn(std::int32_t left, std::int32_t top, std::int32_t right,
        std::int32_t bottom, std::int32_t ellipseWidth, std::int32_t ellipseHeight)
        = 0;
    /// Applies the region to the window; true when the window accepted it.
    virtual bool SetWindowRgn(std::int32_t window, std::int32_t region, bool redraw) = 0;
    /// Frees a region of CreateRoundRectRgn() that no window has taken.
    virtual void DeleteObject(std::int32_t object) = 0;
    /// Lets pending window events run.
    virtual void DoEvents() = 0;
    /// Releases the mouse from the window that holds it, before a drag.
    virtual void ReleaseCapture() = 0;
    /// Synchronous; WM_NCLBUTTONDOWN with HTCAPTION runs the window's move loop.
    virtual void SendMessage(std::int32_t window, std::int32_t message, std::int32_t wParam) = 0;
};

} // namespace norvo
