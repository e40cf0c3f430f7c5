#include "qt/widgets/QtWindowSystem.h"

#include "qt/common/LogCategories.h"
#include "qt/common/WindowDrag.h"
#include "qt/widgets/DeviceShape.h"

#include <QWidget>
#include <QWindow>

namespace norvo::qt {

QtWindowSystem::QtWindowSystem(WindowRegistry& registry)
    : registry_(registry)
{
}

QtWindowSystem::~QtWindowSystem() { delete drag_.data(); }

bool QtWindowSystem::SetWindowRgn(std::int32_t window, std::int32_t region, bool redraw)
{
    QWidget* target = registry_.window(window);
    const std::optional<RoundRect> outline = target ? takeRegion(region) : std::nullopt;
    if (!outline) {
        qCDebug(lcQt, "SetWindowRgn(%d, %d): %s", window, region, !target ? "no such window" : "no such region");
        return false;
    }
    if (target->isWindow())
        DeviceShape::apply(*target, *outline);
    else
        target->setMask(outline->region());
    if (redraw)
        target->update();
    return true;
}

void QtWindowSystem::ReleaseCapture()
{
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
}

void QtWindowSystem::SendMessage(std::int32_t window, std::int32_t message, std::int32_t wParam)
{
    if (message != WM_NCLBUTTONDOWN || wParam != HTCAPTION)
        return;
    QWidget* target = registry_.window(window);
    if (!target) {
        qCDebug(lcQt, "window move: no window %d", window);
        return;
    }
    if (!leftButtonDown())
        return;
    QWidget* topLevel = target->window();
    if (QWindow* handle = topLevel->windowHandle(); handle && handle->startSystemMove())
        return;
    delete drag_.data();
    drag_ = new WindowDrag(topLevel->pos(), [window = QPointer<QWidget>(topLevel)](QPoint at) {
        if (window)
            window->move(at);
    });
}

} // namespace norvo::qt
