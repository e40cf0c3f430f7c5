#pragma once

#include "qt/common/RegionWindowSystem.h"
#include "qt/widgets/WindowRegistry.h"

#include <QPointer>

#include <cstdint>

namespace norvo::qt {

class WindowDrag;

// The window routines on Qt widgets; windows are those of the registry. A
// title-bar press starts the platform's own window move, or a manual one
// where the platform has none, while the left button is still down; unlike
// the platform's message it returns before the move ends.
class QtWindowSystem final : public RegionWindowSystem {
public:
    explicit QtWindowSystem(WindowRegistry& registry = WindowRegistry::global());
    ~QtWindowSystem() override;
    QtWindowSystem(const QtWindowSystem&) = delete;
    QtWindowSystem& operator=(const QtWindowSystem&) = delete;

    bool SetWindowRgn(std::int32_t window, std::int32_t region, bool redraw) override;
    void ReleaseCapture() override;
    void SendMessage(std::int32_t window, std::int32_t message, std::int32_t wParam) override;

private:
    WindowRegistry& registry_;
    QPointer<WindowDrag> drag_;
};

} // namespace norvo::qt
