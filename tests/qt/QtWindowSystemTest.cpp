#include "QtTestSupport.h"

#include "qt/widgets/QtWindowSystem.h"

#include <QMouseEvent>
#include <QTransform>

#include <algorithm>

#include <limits>
#include <memory>

namespace norvo::qt {
namespace {

struct QtWindowSystemTest : ::testing::Test {
    WindowRegistry registry;
    QtWindowSystem windows{registry};
    QWidget host;
    std::int32_t hostHandle = registry.handleOf(&host);
};

TEST_F(QtWindowSystemTest, RoundRegionCutsEachCornerByItsEllipse)
{
    const QRegion region = QtWindowSystem::roundRect(QRect(0, 0, 100, 30), 22, 22);
    for (const QPoint corner : {QPoint(0, 0), QPoint(99, 29), QPoint(2, 2)})
        EXPECT_FALSE(region.contains(corner)) << corner.x() << "," << corner.y();
    for (const QPoint inside : {QPoint(50, 15), QPoint(11, 0), QPoint(99, 18), QPoint(4, 4)})
        EXPECT_TRUE(region.contains(inside)) << inside.x() << "," << inside.y();
    EXPECT_EQ(region.boundingRect(), QRect(0, 0, 100, 30));
}

// Only a registered live window accepts a region still held; the region is
// then the window's own. Each window has a handle of its own.
TEST_F(QtWindowSystemTest, RegionBecomesTheMaskOfARegisteredLiveWindowOnly)
{
    const std::int32_t first = windows.CreateRoundRectRgn(0, 0, 535, 21, 22, 22);
    const std::int32_t second = windows.CreateRoundRectRgn(0, 0, 100, 30, 22, 22);
    EXPECT_EQ(second, first + 1);
    auto gone = std::make_unique<QWidget>();
    const std::int32_t goneHandle = registry.handleOf(gone.get());
    gone.reset();
    for (const std::int32_t window : {0, goneHandle, goneHandle + 1})
        EXPECT_FALSE(windows.SetWindowRgn(window, first, true)) << window;
    EXPECT_FALSE(windows.SetWindowRgn(hostHandle, second + 1, true));
    EXPECT_TRUE(windows.SetWindowRgn(hostHandle, first, true));
    EXPECT_FALSE(windows.region(first));
    windows.DeleteObject(first);
    EXPECT_EQ(host.mask(), QtWindowSystem::roundRect(QRect(0, 0, 535, 21), 22, 22));
    EXPECT_TRUE(windows.region(second));
    windows.DeleteObject(second);
    EXPECT_FALSE(windows.SetWindowRgn(hostHandle, second, true));
    EXPECT_EQ(registry.handleOf(&host), hostHandle);
    registry.unregister(hostHandle);
    EXPECT_EQ(registry.window(hostHandle), nullptr);
}

TEST_F(QtWindowSystemTest, ExtremeCoordinatesRaiseInsteadOfOverflowing)
{
    constexpr auto min = std::numeric_limits<std::int32_t>::min();
    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    EXPECT_THROW(windows.CreateRoundRectRgn(min, 0, max, 10, 22, 22), std::out_of_range);
    const std::int32_t region = windows.CreateRoundRectRgn(10, 0, 0, 10, min, max);
    EXPECT_EQ(windows.region(region)->boundingRect(), QRect(0, 0, 10, 10));
}

// The drag routine lets pending events run before it asks for the move: a
// quick click's release has then gone by. Only a button still down moves the
// window; a release the move never sees ends it at the next move.
TEST_F(QtWindowSystemTest, TitleBarPressMovesTheWindowOnlyWhileTheButtonIsDown)
{
    host.setGeometry(100, 100, 200, 40);
    testing::showAndExpose(host);
    const QPoint start = host.pos();
    const auto move = [&](QPoint by, Qt::MouseButtons buttons) {
        const QPoint global = start + QPoint(10, 10) + by;
        QMouseEvent event(QEvent::MouseMove, host.mapFromGlobal(global), global, Qt::NoButton, buttons, {});
        QApplication::sendEvent(&host, &event);
    };
    enum class Order { PressMoveRelease, ReleaseBeforeTheMove, ReleaseUnseen };
    for (const Order order : {Order::PressMoveRelease, Order::ReleaseBeforeTheMove, Order::ReleaseUnseen}) {
        host.move(start);
        QCursor::setPos(start + QPoint(10, 10));
        QTest::mousePress(host.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
        if (order == Order::ReleaseBeforeTheMove)
            QTest::mouseRelease(host.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
        windows.SendMessage(hostHandle, WindowSystem::WM_NCLBUTTONDOWN, WindowSystem::HTCAPTION);
        move({40, 20}, order == Order::PressMoveRelease ? Qt::LeftButton : Qt::NoButton);
        EXPECT_EQ(host.pos(), order == Order::PressMoveRelease ? start + QPoint(40, 20) : start);
        if (order != Order::ReleaseBeforeTheMove)
            QTest::mouseRelease(host.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
        const QPoint after = host.pos();
        move({90, 90}, Qt::LeftButton);
        EXPECT_EQ(host.pos(), after) << static_cast<int>(order);
    }
    // Another message moves nothing.
    QTest::mousePress(host.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
    windows.SendMessage(hostHandle, 0x0F, WindowSystem::HTCAPTION);
    move({50, 30}, Qt::LeftButton);
    QTest::mouseRelease(host.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(host.pos(), start);
}

// At two device pixels per pixel the outline is made at the device pixels:
// its corners step by one device pixel, where an enlarged one steps by two.
TEST_F(QtWindowSystemTest, OutlineAtDoubleRatioHasCornersOfDevicePixels)
{
    const QtWindowSystem::RoundRect outline{QRect(0, 0, 535, 21), 22, 22};
    EXPECT_EQ(outline.region(), QtWindowSystem::roundRect(outline.rect, 22, 22));
    const QRegion fine = outline.region(2);
    EXPECT_EQ(fine.boundingRect(), QRect(0, 0, 1070, 42));
    const QRegion enlarged = QTransform::fromScale(2, 2).map(outline.region());
    EXPECT_NE(fine, enlarged);
    EXPECT_TRUE(std::any_of(fine.begin(), fine.end(), [](const QRect& row) { return row.left() % 2 != 0; }));
}

} // namespace
} // namespace norvo::qt
