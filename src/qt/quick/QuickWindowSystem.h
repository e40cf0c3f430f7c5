#pragma once

#include "qt/common/RegionWindowSystem.h"

#include <QPointer>

#include <cstdint>
#include <map>

class QWindow;

namespace norvo::qt {

class WindowDrag;

// The window routines on Qt Quick windows (any QWindow): windows registered
// here get numeric handles; an outline becomes the window's mask, at its
// device pixels on an X server, again whenever it moves to another screen. A
// title-bar press starts the platform's own window move, or a manual one
// where the platform has none, while the left button is still down.
class QuickWindowSystem final : public RegionWindowSystem {
public:
    QuickWindowSystem() = default;
    ~QuickWindowSystem() override;

    // The window's handle, given on its first registration; never 0.
    std::int32_t handleOf(QWindow* window);
    QWindow* window(std::int32_t handle) const;

    bool SetWindowRgn(std::int32_t window, std::int32_t region, bool redraw) override;
    void ReleaseCapture() override;
    void SendMessage(std::int32_t window, std::int32_t message, std::int32_t wParam) override;

private:
    struct Registered {
        QPointer<QWindow> window;
        std::optional<RoundRect> outline;
    };
    static void applyOutline(QWindow& window, const RoundRect& outline);

    std::map<std::int32_t, Registered> windows_;
    std::int32_t lastHandle_ = 0;
    QPointer<WindowDrag> drag_;
};

} // namespace norvo::qt
