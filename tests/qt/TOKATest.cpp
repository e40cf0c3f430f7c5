#include "QtTestSupport.h"

#include "host/RecordingDockFrame.h"
#include "labels/UserLabelGraph.h"
#include "panel/TOKA.h"
#include "platform/CallLog.h"
#include "platform/ComboBox.h"
#include "platform/MemorySettingsStore.h"
#include "platform/PictureBox.h"
#include "qt/ComboBoxWidget.h"
#include "qt/FormView.h"
#include "qt/PanelSnapshot.h"
#include "qt/QtWindowSystem.h"
#include "qt/TOKA.h"
#include "voice/RecordingVoiceClient.h"

#include <QComboBox>
#include <QCursor>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace norvo::qt {
namespace {

using testing::colourAt;
using testing::render;

constexpr std::int32_t Voice = 7;

// Where a control lies on the panel.
QRect panelRect(const Control& control)
{
    QRect rect(control.left(), control.top(), control.width(), control.height());
    for (const Control* c = control.parent(); c && c->parent(); c = c->parent())
        rect.translate(c->left(), c->top());
    return rect;
}

bool contains(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

void forEachShown(Control& control, const std::function<void(Control&)>& visit)
{
    for (const auto& child : control.children()) {
        if (!child->visible())
            continue;
        visit(*child);
        forEachShown(*child, visit);
    }
}

struct PanelTest : ::testing::Test {
    PanelTest()
    {
        voice.addObject(Voice, "VOICE", "TOKA");
        voice.setLong(Voice, 0, 3);
        voice.setLong(Voice, 1, 7);
        voice.setLong(Voice, 2, 1);
        voice.setLong(Voice, 3, 1);
        std::int32_t width = 0;
        std::int32_t height = 0;
        toka.Sizing(0, width, height);
    }

    norvo::TOKA& panel() { return toka.panel(); }
    void bind() { panel().Norvo_ObjectCreated(Voice); }
    QPoint centreOf(const char* name, int index = Control::NoIndex)
    {
        return panelRect(panel().form().at(name, index)).center();
    }
    void expectIndicatorsShowTheirColours()
    {
        const QImage image = render(toka.view());
        forEachShown(panel().form(), [&](Control& control) {
            if (control.kind() != ControlKind::PictureBox || !control.shownOnScreen())
                return;
            const QPoint centre = panelRect(control).center();
            EXPECT_EQ(colourAt(image, centre.x(), centre.y()), control.backColor()) << control.reference();
        });
    }
    int warningPixels()
    {
        const QImage image = render(toka.view());
        // Where the warning's centred text lies under the room name box.
        const QRect area = panelRect(panel().form().at("VATSIMWarning")) & panelRect(panel().form().at("FreqInfo", 2));
        int white = 0;
        for (int y = area.top(); y <= std::min(area.bottom(), image.height() - 1); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                white += redOf(colourAt(image, x, y)) > 200 && greenOf(colourAt(image, x, y)) > 200
                    && blueOf(colourAt(image, x, y)) > 200;
        return white;
    }

    CallLog log;
    RecordingVoiceClient voice{log};
    RecordingDockFrame dock{log};
    TOKA toka{voice, dock, std::make_unique<MemorySettingsStore>()};
};

TEST_F(PanelTest, SizingGivesTheWidgetThePanelSize)
{
    EXPECT_EQ(toka.size(), QSize(535, 21));
    EXPECT_EQ(toka.sizeHint(), QSize(535, 21));
    EXPECT_TRUE(toka.Closeable());
    EXPECT_FALSE(toka.Sizeable());
}

TEST_F(PanelTest, IndicatorsShowTheModelColoursBeforeAndAfterBinding)
{
    expectIndicatorsShowTheirColours();
    bind();
    ASSERT_TRUE(panel().form().at("Room", 2).visible());
    expectIndicatorsShowTheirColours();
    const std::int32_t priority = panel().fields().PriorityBase + 2;
    voice.setLong(Voice, priority, 1);
    panel().Norvo_ObjectValueChanged(Voice, priority);
    expectIndicatorsShowTheirColours();
}

TEST_F(PanelTest, WarningShowsOnlyWhileTheRoomsAreHidden)
{
    EXPECT_GT(warningPixels(), 20);
    bind();
    EXPECT_EQ(warningPixels(), 0);
}

TEST_F(PanelTest, ClickOnARenderedIndicatorReachesTheVoiceClient)
{
    bind();
    testing::showAndExpose(toka);
    log.take();
    QTest::mouseClick(toka.windowHandle(), Qt::LeftButton, {}, centreOf("PriorityChannel", 2));
    EXPECT_TRUE(contains(log.lines(), "Norvo.SetLong(" + std::to_string(panel().fields().PriorityBase + 2) + ", 1)"));
}

TEST_F(PanelTest, QuitButtonRaisesQuitWithoutADockingHost)
{
    testing::showAndExpose(toka);
    QSignalSpy quit(&toka, &TOKA::quit);
    QTest::mouseClick(toka.windowHandle(), Qt::LeftButton, {}, centreOf("btnQuit"));
    EXPECT_EQ(quit.count(), 1);
    dock.setHosted(true);
    QTest::mouseClick(toka.windowHandle(), Qt::LeftButton, {}, centreOf("btnQuit"), 1000);
    EXPECT_EQ(quit.count(), 1);
    EXPECT_EQ(dock.closeRequests(), 1);
}

TEST_F(PanelTest, TypedRoomNameAndEnterRequestTheRoomAndHoldDeactivation)
{
    bind();
    testing::showAndExpose(toka);
    auto& comboWidget = static_cast<ComboBoxWidget&>(*toka.view().widgetFor(panel().form().at("FreqInfo", 2)));
    QTest::mouseClick(toka.windowHandle(), Qt::LeftButton, {}, centreOf("FreqInfo", 2) - QPoint(40, 0));
    EXPECT_FALSE(toka.CanDeactivate());
    log.take();
    QTest::keyClicks(&comboWidget.box(), " LFPG ");
    QTest::keyClick(&comboWidget.box(), Qt::Key_Return);
    EXPECT_TRUE(
        contains(log.lines(), "Norvo.SetString(" + std::to_string(panel().fields().NameBase + 2) + ", \"LFPG\")"));
    EXPECT_EQ(panel().form().get<ComboBox>("FreqInfo", 2).text(), " LFPG ");

    QTest::mouseClick(toka.windowHandle(), Qt::LeftButton, {}, centreOf("RoomStatus", 2));
    EXPECT_TRUE(toka.CanDeactivate());
}

TEST_F(PanelTest, HandlerErrorIsLoggedAndThePanelCarriesOn)
{
    bind();
    testing::showAndExpose(toka);
    testing::WarningLog warnings;
    voice.failNext("SetLong");
    QTest::mouseClick(toka.windowHandle(), Qt::LeftButton, {}, centreOf("PriorityChannel", 2));
    EXPECT_TRUE(warnings.contains("click on PriorityChannel(2) failed"));
    log.take();
    QTest::mouseClick(toka.windowHandle(), Qt::LeftButton, {}, centreOf("PriorityChannel", 2), 1000);
    EXPECT_TRUE(contains(log.lines(), "Norvo.SetLong(" + std::to_string(panel().fields().PriorityBase + 2) + ", 1)"));
}

TEST_F(PanelTest, FailedStartUpIsLoggedAndLeavesAWidget)
{
    testing::WarningLog warnings;
    voice.failNext("Attach");
    TOKA failing(voice, dock, std::make_unique<MemorySettingsStore>());
    EXPECT_TRUE(warnings.contains("panel start-up failed"));
    EXPECT_EQ(failing.view().size(), QSize(norvo::TOKA::DesignWidth, norvo::TOKA::DesignHeight));
}

TEST_F(PanelTest, HostWindowTakesTheRoundedOutline)
{
    QWidget host;
    toka.setParent(&host);
    testing::showAndExpose(host);
    toka.HostinghWnd(&host);
    toka.resize(200, 30);
    EXPECT_EQ(panel().form().width(), 200);
    EXPECT_EQ(host.mask(), QtWindowSystem::roundRect(QRect(0, 0, 200, 30), 22, 22));
    toka.setParent(nullptr);
}

TEST_F(PanelTest, PressOnAFrequencyLabelDragsTheHostWindow)
{
    QWidget host;
    toka.setParent(&host);
    host.setGeometry(200, 200, 535, 21);
    testing::showAndExpose(host);
    toka.HostinghWnd(&host);
    const QPoint start = host.pos();
    const QPoint grab = centreOf("Freq", 0);
    QCursor::setPos(host.mapToGlobal(grab));
    QTest::mousePress(host.windowHandle(), Qt::RightButton, {}, grab);
    QTest::mouseMove(host.windowHandle(), grab + QPoint(30, 5));
    EXPECT_EQ(host.pos(), start + QPoint(30, 5));
    QTest::mouseRelease(host.windowHandle(), Qt::RightButton, {}, grab);
    toka.setParent(nullptr);
}

TEST_F(PanelTest, SnapshotShowsThePanelAtItsSize)
{
    bind();
    const QImage image = PanelSnapshot::grab(panel());
    ASSERT_EQ(image.size(), QSize(535, 21));
    const QPoint status = centreOf("RoomStatus", 2);
    EXPECT_EQ(colourAt(image, status.x(), status.y()), panel().form().at("RoomStatus", 2).backColor());
}

TEST_F(PanelTest, SnapshotAtDoubleRatioKeepsSpriteEdgesSharp)
{
    bind();
    const QImage image = PanelSnapshot::grab(panel(), 2.0);
    ASSERT_EQ(image.size(), QSize(1070, 42));
    const auto& speaker = panel().form().get<UserLabelGraph>("ToSpeaker", 2);
    const QPoint origin = panelRect(speaker).topLeft() * 2;
    for (int y = 0; y < speaker.height() * 2; ++y)
        for (int x = 0; x < speaker.width() * 2; ++x)
            ASSERT_EQ(colourAt(image, origin.x() + x, origin.y() + y), speaker.surface().pixel(x / 2, y / 2))
                << x << "," << y;
}

} // namespace
} // namespace norvo::qt
