#include "qt/widgets/QtWindowSystem.h"

#include "platform/CheckedMath.h"
#include "qt/common/LogCategories.h"
#include "qt/common/X11Desktop.h"
#include "qt/widgets/DeviceShape.h"
#include "qt/widgets/WindowDrag.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace norvo::qt {

namespace {

// Window coordinates beyond this are not a window's.
constexpr std::int64_t CoordinateLimit = QWIDGETSIZE_MAX;

int checkedCoordinate(std::int64_t value)
{
    if (value < -CoordinateLimit || value > CoordinateLimit)
        throw std::out_of_range("region coordinate out of range: " + std::to_string(value));
    return static_cast<int>(value);
}

} // namespace

QtWindowSystem::QtWindowSystem(WindowRegistry& registry)
    : registry_(registry)
{
}

QtWindowSystem::~QtWindowSystem() { delete drag_.data(); }

QRegion QtWindowSystem::roundRect(const QRect& rect, int ellipseWidth, int ellipseHeight)
{
    if (rect.isEmpty())
        return {};
    // Corner ellipses larger than the rectangle are cut to it.
    const double rx = std::clamp(ellipseWidth, 0, rect.width()) / 2.0;
    const double ry = std::clamp(ellipseHeight, 0, rect.height()) / 2.0;
    if (rx < 1 || ry < 1)
        return QRegion(rect);
    const int band = static_cast<int>(std::ceil(ry));
    QRegion region(rect.adjusted(0, band, 0, -band));
    for (int row = 0; row < band; ++row) {
        // How far the ellipse pulls the row in, measured at the row's middle.
        const double dy = (ry - (row + 0.5)) / ry;
        const int inset = static_cast<int>(std::lround(rx - rx * std::sqrt(std::max(0.0, 1 - dy * dy))));
        const int width = rect.width() - 2 * inset;
        if (width <= 0)
            continue;
        region += QRect(rect.left() + inset, rect.top() + row, width, 1);
        region += QRect(rect.left() + inset, rect.bottom() - row, width, 1);
    }
    return region;
}

QRegion QtWindowSystem::RoundRect::region(qreal scale) const
{
    if (scale == 1)
        return roundRect(rect, ellipseWidth, ellipseHeight);
    const auto scaled = [scale](int length) { return static_cast<int>(std::lround(length * scale)); };
    return roundRect(QRect(scaled(rect.x()), scaled(rect.y()), scaled(rect.width()), scaled(rect.height())),
        scaled(ellipseWidth), scaled(ellipseHeight));
}

std::int32_t QtWindowSystem::CreateRoundRectRgn(std::int32_t left, std::int32_t top, std::int32_t right,
    std::int32_t bottom, std::int32_t ellipseWidth, std::int32_t ellipseHeight)
{
    const int x = checkedCoordinate(std::min(left, right));
    const int y = checkedCoordinate(std::min(top, bottom));
    const int width = checkedCoordinate(std::abs(std::int64_t{right} - left));
    const int height = checkedCoordinate(std::abs(std::int64_t{bottom} - top));
    const int ellipseW = static_cast<int>(std::clamp<std::int64_t>(std::abs(std::int64_t{ellipseWidth}), 0, width));
    const int ellipseH = static_cast<int>(std::clamp<std::int64_t>(std::abs(std::int64_t{ellipseHeight}), 0, height));
    const std::int32_t handle = checkedAdd(lastRegion_, 1);
    regions_.emplace(handle, RoundRect{QRect(x, y, width, height), ellipseW, ellipseH});
    lastRegion_ = handle;
    return handle;
}

bool QtWindowSystem::SetWindowRgn(std::int32_t window, std::int32_t region, bool redraw)
{
    QWidget* target = registry_.window(window);
    const auto found = regions_.find(region);
    if (!target || found == regions_.end()) {
        qCDebug(lcQt, "SetWindowRgn(%d, %d): %s", window, region, !target ? "no such window" : "no such region");
        return false;
    }
    if (target->isWindow())
        DeviceShape::apply(*target, found->second);
    else
        target->setMask(found->second.region());
    // From now on the region is the window's.
    regions_.erase(found);
    if (redraw)
        target->update();
    return true;
}

void QtWindowSystem::DeleteObject(std::int32_t object) { regions_.erase(object); }

std::optional<QRegion> QtWindowSystem::region(std::int32_t handle) const
{
    const auto found = regions_.find(handle);
    if (found == regions_.end())
        return std::nullopt;
    return found->second.region();
}

void QtWindowSystem::DoEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

bool QtWindowSystem::leftButtonDown()
{
    // A quick click's release may have run already (DoEvents lets it), or be
    // on its way from an X server that has it.
    if (!qGuiApp || !(QGuiApplication::mouseButtons() & Qt::LeftButton))
        return false;
    return X11Desktop::leftButtonDown().value_or(true);
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
    drag_ = new WindowDrag(topLevel);
}

} // namespace norvo::qt
