#include "qt/common/RegionWindowSystem.h"

#include "platform/CheckedMath.h"
#include "qt/common/X11Desktop.h"

#include <QGuiApplication>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace norvo::qt {

namespace {

// Window coordinates beyond this are not a window's (Qt's largest window
// size).
constexpr std::int64_t CoordinateLimit = (1 << 24) - 1;

int checkedCoordinate(std::int64_t value)
{
    if (value < -CoordinateLimit || value > CoordinateLimit)
        throw std::out_of_range("region coordinate out of range: " + std::to_string(value));
    return static_cast<int>(value);
}

} // namespace

QRegion RegionWindowSystem::roundRect(const QRect& rect, int ellipseWidth, int ellipseHeight)
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

QRegion RegionWindowSystem::RoundRect::region(qreal scale) const
{
    if (scale == 1)
        return roundRect(rect, ellipseWidth, ellipseHeight);
    const auto scaled = [scale](int length) { return static_cast<int>(std::lround(length * scale)); };
    return roundRect(QRect(scaled(rect.x()), scaled(rect.y()), scaled(rect.width()), scaled(rect.height())),
        scaled(ellipseWidth), scaled(ellipseHeight));
}

std::int32_t RegionWindowSystem::CreateRoundRectRgn(std::int32_t left, std::int32_t top, std::int32_t right,
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

std::optional<RegionWindowSystem::RoundRect> RegionWindowSystem::takeRegion(std::int32_t handle)
{
    const auto found = regions_.find(handle);
    if (found == regions_.end())
        return std::nullopt;
    RoundRect taken = found->second;
    regions_.erase(found);
    return taken;
}

void RegionWindowSystem::DeleteObject(std::int32_t object) { regions_.erase(object); }

std::optional<QRegion> RegionWindowSystem::region(std::int32_t handle) const
{
    const auto found = regions_.find(handle);
    if (found == regions_.end())
        return std::nullopt;
    return found->second.region();
}

void RegionWindowSystem::DoEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

bool RegionWindowSystem::leftButtonDown()
{
    if (!qGuiApp || !(QGuiApplication::mouseButtons() & Qt::LeftButton))
        return false;
    return X11Desktop::leftButtonDown().value_or(true);
}

} // namespace norvo::qt
