#include "qt/quick/QuickWindowSystem.h"

#include "platform/CheckedMath.h"
#include "qt/common/LogCategories.h"
#include "qt/common/WindowDrag.h"
#include "qt/common/X11Desktop.h"

#include <QQuickItem>
#include <QQuickWindow>

#include <stdexcept>

namespace norvo::qt {

QuickWindowSystem::~QuickWindowSystem() { delete drag_.data(); }

std::int32_t QuickWindowSystem::handleOf(QWindow* window)
{
    if (!window)
        throw std::invalid_argument("no window to register");
    for (const auto& [handle, registered] : windows_)
        if (registered.window == window)
            return handle;
    const std::int32_t handle = checkedAdd(lastHandle_, 1);
    lastHandle_ = handle;
    windows_.emplace(handle, Registered{window, std::nullopt});
    // Another screen may have another density: the outline is made anew.
    QObject::connect(window, &QWindow::screenChanged, window, [this, handle] {
        const auto found = windows_.find(handle);
        if (found != windows_.end() && found->second.window && found->second.outline)
            applyOutline(*found->second.window, *found->second.outline);
    });
    return handle;
}

QWindow* QuickWindowSystem::window(std::int32_t handle) const
{
    const auto found = windows_.find(handle);
    return found == windows_.end() ? nullptr : found->second.window.data();
}

void QuickWindowSystem::applyOutline(QWindow& window, const RoundRect& outline)
{
    const qreal ratio = window.devicePixelRatio();
    if (ratio != 1 && window.handle() && X11Desktop::present()) {
        // Qt's mask is enlarged from the window's pixels, its curves stepping
        // by two; the server takes the outline at the device pixels.
        window.setMask(QRegion());
        const QRegion devicePixels = outline.region(ratio);
        if (devicePixels.isEmpty() || X11Desktop::setShape(window, devicePixels))
            return;
    }
    window.setMask(outline.region());
}

bool QuickWindowSystem::SetWindowRgn(std::int32_t window, std::int32_t region, bool redraw)
{
    QWindow* target = this->window(window);
    const std::optional<RoundRect> outline = target ? takeRegion(region) : std::nullopt;
    if (!outline) {
        qCDebug(lcQt, "SetWindowRgn(%d, %d): %s", window, region, !target ? "no such window" : "no such region");
        return false;
    }
    windows_[window].outline = outline;
    applyOutline(*target, *outline);
    if (redraw)
        target->requestUpdate();
    return true;
}

void QuickWindowSystem::ReleaseCapture()
{
    for (const auto& [handle, registered] : windows_)
        if (auto* quick = qobject_cast<QQuickWindow*>(registered.window.data()))
            if (QQuickItem* grabber = quick->mouseGrabberItem())
                grabber->ungrabMouse();
}

void QuickWindowSystem::SendMessage(std::int32_t window, std::int32_t message, std::int32_t wParam)
{
    if (message != WM_NCLBUTTONDOWN || wParam != HTCAPTION)
        return;
    QWindow* target = this->window(window);
    if (!target) {
        qCDebug(lcQt, "window move: no window %d", window);
        return;
    }
    if (!leftButtonDown() || target->startSystemMove())
        return;
    delete drag_.data();
    drag_ = new WindowDrag(target->position(), [moved = QPointer<QWindow>(target)](QPoint at) {
        if (moved)
            moved->setPosition(at);
    });
}

} // namespace norvo::qt
