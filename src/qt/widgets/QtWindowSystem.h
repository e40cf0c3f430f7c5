#pragma once

#include "platform/WindowSystem.h"
#include "qt/widgets/WindowRegistry.h"

#include <QPointer>
#include <QRegion>

#include <cstdint>
#include <map>
#include <optional>

namespace norvo::qt {

class WindowDrag;

// The window routines on Qt. Regions live under numeric handles until a window
// accepts one as its outline (it then belongs to the window) or they are
// deleted; windows are those of the registry. A title-bar press starts the
// platform's own window move, or a manual one where the platform has none,
// while the left button is still down; unlike the platform's message it
// returns before the move ends.
class QtWindowSystem final : public WindowSystem {
public:
    // A rectangle with rounded corners, right and bottom edges excluded.
    struct RoundRect {
        QRect rect;
        int ellipseWidth = 0;
        int ellipseHeight = 0;

        // Its region at scale device pixels per pixel, in device pixels.
        QRegion region(qreal scale = 1) const;
    };

    explicit QtWindowSystem(WindowRegistry& registry = WindowRegistry::global());
    ~QtWindowSystem() override;
    QtWindowSystem(const QtWindowSystem&) = delete;
    QtWindowSystem& operator=(const QtWindowSystem&) = delete;

    std::int32_t CreateRoundRectRgn(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
        std::int32_t ellipseWidth, std::int32_t ellipseHeight) override;
    bool SetWindowRgn(std::int32_t window, std::int32_t region, bool redraw) override;
    void DeleteObject(std::int32_t object) override;
    void DoEvents() override;
    void ReleaseCapture() override;
    void SendMessage(std::int32_t window, std::int32_t message, std::int32_t wParam) override;

    // A region still held under its handle (not accepted, not deleted).
    std::optional<QRegion> region(std::int32_t handle) const;

    // The rounded rectangle (left, top)-(right, bottom), right and bottom
    // excluded, with corner ellipses of the given size.
    static QRegion roundRect(const QRect& rect, int ellipseWidth, int ellipseHeight);

private:
    static bool leftButtonDown();

    WindowRegistry& registry_;
    std::map<std::int32_t, RoundRect> regions_;
    std::int32_t lastRegion_ = 0;
    QPointer<WindowDrag> drag_;
};

} // namespace norvo::qt
