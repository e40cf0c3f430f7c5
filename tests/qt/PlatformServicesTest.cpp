#include "QtTestSupport.h"

#include "platform/Timer.h"
#include "qt/QtClock.h"
#include "qt/QtWindowSystem.h"

#include <QMouseEvent>

#include <limits>
#include <memory>
#include <stdexcept>

namespace norvo::qt {
namespace {

TEST(QtClockTest, EventLoopFiresTheTimerThroughFailingHandlers)
{
    testing::WarningLog warnings;
    QtClock clock;
    Timer timer("BlinkTimer", clock);
    int fired = 0;
    timer.onTimer = [&] {
        if (++fired == 3)
            timer.setEnabled(false);
        else
            throw std::runtime_error("tick failed");
    };
    timer.setInterval(1);
    EXPECT_TRUE(clock.isArmed(timer));
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired == 3; }, 2000));
    EXPECT_FALSE(clock.isArmed(timer));
    EXPECT_TRUE(warnings.contains("timer on BlinkTimer failed: tick failed"));
}

TEST(QtClockTest, TimerDestroyedByItsOwnHandlerStopsCleanly)
{
    QtClock clock;
    auto timer = std::make_unique<Timer>("BlinkTimer", clock);
    int fired = 0;
    timer->onTimer = [&] {
        ++fired;
        timer.reset();
    };
    timer->setInterval(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer; }, 2000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_EQ(fired, 1);
}

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
    windows.SendMessage(hostHandle, 0x0F, WindowSystem::HTCAPTION);
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
