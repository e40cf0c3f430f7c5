#pragma once

#include "host/DockFrame.h"
#include "panel/PanelControls.h"
#include "platform/Form.h"
#include "platform/Signal.h"
#include "platform/WindowSystem.h"

#include <cstdint>

namespace norvo {

// The host window the panel is docked in: its handle, the rounded region the
// panel gives it, moving it, and closing the panel.
class DockedWindow {
public:
    DockedWindow(WindowSystem& windows, DockFrame& dockFrame, Form& form, const PanelControls& controls, Signal<>& quit)
        : windows_(windows)
        , dockFrame_(dockFrame)
        , form_(form)
        , c_(controls)
        , quit_(quit)
    {
    }

    std::int32_t hostWindow() const { return hostWindow_; }
    void setHostWindow(std::int32_t window) { hostWindow_ = window; }
    std::int32_t region() const { return region_; }

    // The panel's size as its controls give it: to the close button's right
    // edge and one pixel below the first row; the first size also shapes the
    // window.
    void Sizing(std::int32_t& width, std::int32_t& height);
    // The form's size changed: the window gets a new region of that size.
    void UserControl_Resize();
    // Mouse-down on a drag surface: moves the host window.
    void dragHostWindow();
    // The close button: the docking host closes the panel, or Quit asks the
    // container to.
    void btnQuit_Click();
    // Shutdown: the region goes unless the window accepted it.
    void releaseRegion();

private:
    void applyRoundRegion(std::int32_t width, std::int32_t height);

    WindowSystem& windows_;
    DockFrame& dockFrame_;
    Form& form_;
    const PanelControls& c_;
    Signal<>& quit_;
    std::int32_t hostWindow_ = 0;
    std::int32_t region_ = 0;
    // A region the window accepted belongs to it: the window system
    // discards it, never the panel.
    bool regionAccepted_ = false;
};

} // namespace norvo
