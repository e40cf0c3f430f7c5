#include "QtTestSupport.h"

#include "panel/TOKA.h"
#include "qt/FormView.h"
#include "qt/PanelSnapshot.h"
#include "qt/QtWindowSystem.h"
#include "qt/TokaWidget.h"
#include "testing/CallLog.h"
#include "testing/InMemoryVoiceClient.h"
#include "testing/MemorySettingsStore.h"
#include "testing/RecordingDockFrame.h"

#include <QSignalSpy>
#include <QWindow>

namespace norvo::qt {
namespace {

// The panel at the size it asks for.
struct PanelTest : ::testing::Test {
    PanelTest()
    {
        std::int32_t width = 0;
        std::int32_t height = 0;
        panel().Sizing(0, width, height);
    }

    norvo::TOKA& panel() { return toka.panel(); }
    QPoint centreOf(const char* name, int index = Control::NoIndex)
    {
        const QWidget* widget = toka.view().widgetFor(panel().form().at(name, index));
        return widget->mapTo(&toka, widget->rect().center());
    }

    CallLog log;
    InMemoryVoiceClient voice;
    RecordingDockFrame dock{log};
    TokaWidget toka{voice, dock, std::make_unique<MemorySettingsStore>()};
};

TEST_F(PanelTest, WidgetTakesThePanelSizeAndPassesResizesOnToIt)
{
    EXPECT_EQ(toka.size(), QSize(535, 21));
    EXPECT_EQ(toka.sizeHint(), QSize(535, 21));
    QWidget host;
    toka.setParent(&host);
    testing::showAndExpose(host);
    toka.setHostWindow(&host);
    toka.resize(200, 30);
    EXPECT_EQ(panel().form().width(), 200);
    EXPECT_EQ(host.mask(), QtWindowSystem::roundRect(QRect(0, 0, 200, 30), 22, 22));
    toka.setParent(nullptr);
}

TEST_F(PanelTest, QuitButtonRaisesQuit)
{
    testing::showAndExpose(toka);
    QSignalSpy quit(&toka, &TokaWidget::quit);
    QTest::mouseClick(toka.windowHandle(), Qt::LeftButton, {}, centreOf("btnQuit"));
    EXPECT_EQ(quit.count(), 1);
}

TEST_F(PanelTest, FailedStartUpIsLoggedAndLeavesAWidget)
{
    testing::WarningLog warnings;
    voice.failNext("Attach");
    TokaWidget failing(voice, dock, std::make_unique<MemorySettingsStore>());
    EXPECT_TRUE(warnings.contains("panel start-up failed"));
    EXPECT_EQ(failing.view().size(), QSize(norvo::TOKA::DesignWidth, norvo::TOKA::DesignHeight));
}

TEST_F(PanelTest, SnapshotAtDoubleRatioHasTwiceThePixelsEachWay)
{
    const QImage image = PanelSnapshot::grab(panel(), 2.0);
    ASSERT_EQ(image.size(), QSize(1070, 42));
    const QPoint indicator = centreOf("COMTransmit", 0) * 2;
    EXPECT_EQ(testing::colourAt(image, indicator.x(), indicator.y()), panel().form().at("COMTransmit", 0).backColor());
}

} // namespace
} // namespace norvo::qt
