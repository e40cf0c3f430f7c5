#include "QtTestSupport.h"

#include "qt/QtWindowSystem.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

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
    for (const QPoint corner : {QPoint(0, 0), QPoint(99, 0), QPoint(0, 29), QPoint(99, 29), QPoint(2, 2)})
        EXPECT_FALSE(region.contains(corner)) << corner.x() << "," << corner.y();
    for (const QPoint inside :
        {QPoint(50, 15), QPoint(11, 0), QPoint(0, 11), QPoint(88, 29), QPoint(99, 18), QPoint(4, 4)})
        EXPECT_TRUE(region.contains(inside)) << inside.x() << "," << inside.y();
    EXPECT_EQ(region.boundingRect(), QRect(0, 0, 100, 30));
}

TEST_F(QtWindowSystemTest, AcceptedRegionBecomesTheWindowMaskAndLeavesTheTable)
{
    const std::int32_t first = windows.CreateRoundRectRgn(0, 0, 535, 21, 22, 22);
    const std::int32_t second = windows.CreateRoundRectRgn(0, 0, 100, 30, 22, 22);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    EXPECT_TRUE(windows.SetWindowRgn(hostHandle, first, true));
    EXPECT_EQ(host.mask(), QtWindowSystem::roundRect(QRect(0, 0, 535, 21), 22, 22));
    EXPECT_FALSE(windows.region(first));
    windows.DeleteObject(first);
    EXPECT_EQ(host.mask(), QtWindowSystem::roundRect(QRect(0, 0, 535, 21), 22, 22));
    EXPECT_TRUE(windows.region(second));
}

TEST_F(QtWindowSystemTest, UnknownOrVanishedWindowNeverAccepts)
{
    const std::int32_t region = windows.CreateRoundRectRgn(0, 0, 50, 20, 22, 22);
    EXPECT_FALSE(windows.SetWindowRgn(0, region, true));
    EXPECT_FALSE(windows.SetWindowRgn(hostHandle + 1, region, true));
    auto gone = std::make_unique<QWidget>();
    const std::int32_t goneHandle = registry.handleOf(gone.get());
    gone.reset();
    EXPECT_FALSE(windows.SetWindowRgn(goneHandle, region, true));
    EXPECT_FALSE(windows.SetWindowRgn(hostHandle, region + 1, true));
    EXPECT_TRUE(windows.region(region));
    windows.DeleteObject(region);
    EXPECT_FALSE(windows.region(region));
    EXPECT_FALSE(windows.SetWindowRgn(hostHandle, region, true));
}

TEST_F(QtWindowSystemTest, ExtremeCoordinatesRaiseInsteadOfOverflowing)
{
    constexpr auto min = std::numeric_limits<std::int32_t>::min();
    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    EXPECT_THROW(windows.CreateRoundRectRgn(min, 0, max, 10, 22, 22), std::out_of_range);
    const std::int32_t region = windows.CreateRoundRectRgn(10, 0, 0, 10, min, max);
    EXPECT_EQ(windows.region(region)->boundingRect(), QRect(0, 0, 10, 10));
}

TEST_F(QtWindowSystemTest, RegistryGivesEachWindowOneHandle)
{
    QWidget other;
    EXPECT_EQ(registry.handleOf(&host), hostHandle);
    EXPECT_NE(registry.handleOf(&other), hostHandle);
    EXPECT_EQ(registry.window(hostHandle), &host);
    EXPECT_EQ(registry.window(0), nullptr);
    registry.unregister(hostHandle);
    EXPECT_EQ(registry.window(hostHandle), nullptr);
}

TEST_F(QtWindowSystemTest, TitleBarPressMovesTheWindowWithThePointerUntilRelease)
{
    host.setGeometry(100, 100, 200, 40);
    testing::showAndExpose(host);
    const QPoint start = host.pos();
    QCursor::setPos(start + QPoint(10, 10));

    const auto mouse = [&](QEvent::Type type, QPoint global) {
        QMouseEvent event(type, host.mapFromGlobal(global), global, Qt::LeftButton,
            type == QEvent::MouseMove ? Qt::LeftButton : Qt::NoButton, {});
        QApplication::sendEvent(&host, &event);
    };
    windows.SendMessage(hostHandle, 0x0F, 2);
    mouse(QEvent::MouseMove, start + QPoint(50, 30));
    EXPECT_EQ(host.pos(), start);

    windows.SendMessage(hostHandle, WindowSystem::WM_NCLBUTTONDOWN, WindowSystem::HTCAPTION);
    mouse(QEvent::MouseMove, start + QPoint(50, 30));
    EXPECT_EQ(host.pos(), start + QPoint(40, 20));
    mouse(QEvent::MouseButtonRelease, start + QPoint(50, 30));
    mouse(QEvent::MouseMove, start + QPoint(90, 90));
    EXPECT_EQ(host.pos(), start + QPoint(40, 20));
}

} // namespace
} // namespace norvo::qt
