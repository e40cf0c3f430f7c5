#include "QtTestSupport.h"

#include "panel/TOKA.h"
#include "platform/ComboBox.h"
#include "qt/ComboBoxWidget.h"
#include "qt/FormView.h"
#include "qt/PanelSnapshot.h"
#include "qt/QtSettingsStore.h"
#include "qt/QtWindowSystem.h"
#include "qt/TokaWidget.h"
#include "testing/CallLog.h"
#include "testing/InMemoryVoiceClient.h"
#include "testing/MemorySettingsStore.h"
#include "testing/RecordingDockFrame.h"

#include <QComboBox>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
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
    EXPECT_TRUE(warnings.contains("norvo.panel: panel start-up failed"));
    EXPECT_EQ(failing.view().size(), QSize(norvo::TOKA::DesignWidth, norvo::TOKA::DesignHeight));
}

// Rooms connected and named, speakers routed per slot: a second binding finds
// all of it as shown and no widget repaints, the free channel's list included.
TEST_F(PanelTest, RefreshFindingWhatIsShownRepaintsNoWidget)
{
    voice.addObject(7, "VOICE", "TOKA");
    for (const auto& [index, value] : {std::pair{0, 3}, std::pair{1, 7}, std::pair{2, 1}, std::pair{3, 1},
             std::pair{9, 2}, std::pair{10, 1}, std::pair{11, 0}, std::pair{12, 1}})
        voice.setLong(7, index, value);
    voice.setText(7, 9, "EDDF_TWR");
    panel().Norvo_ObjectCreated(7);
    testing::showAndExpose(toka);
    QApplication::processEvents();
    testing::PaintCounter paints(toka.findChildren<QWidget*>());
    panel().Norvo_ObjectCreated(7);
    QApplication::processEvents();
    EXPECT_EQ(paints.paints, 0);
    auto& freeChannel = static_cast<ComboBoxWidget*>(toka.view().widgetFor(panel().form().at("FreqInfo", 2)))->box();
    EXPECT_EQ(freeChannel.count(), 1);
    EXPECT_EQ(freeChannel.currentText(), QStringLiteral("EDDF_TWR"));
}

TEST_F(PanelTest, SnapshotAtDoubleRatioHasTwiceThePixelsEachWay)
{
    const QImage image = PanelSnapshot::grab(panel(), 2.0);
    ASSERT_EQ(image.size(), QSize(1070, 42));
    const QPoint indicator = centreOf("COMTransmit", 0) * 2;
    EXPECT_EQ(testing::colourAt(image, indicator.x(), indicator.y()), panel().form().at("COMTransmit", 0).backColor());
}

// A file with a stray line in a section that is not the panel's: the panel
// loads what it can, keeps its list in memory, never writes over the file,
// and tells the host, also of what it met while starting.
TEST(TokaWidgetSettingsTest, FileThatDoesNotParseIsKeptAndReportedToTheHost)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("NORVOUITOKA.ini"));
    const QByteArray text = "[PRIVATE]\nCHANNEL0=A\n\n[OTHER]\nno equals sign\n";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    CallLog log;
    InMemoryVoiceClient voice;
    RecordingDockFrame dock{log};
    TokaWidget toka(voice, dock, std::make_unique<QtSettingsStore>(folder.path()));
    QSignalSpy problems(&toka, &TokaWidget::settingsProblem);
    ASSERT_TRUE(problems.wait(2000));
    EXPECT_EQ(problems.takeFirst().at(0).toString(), path);
    EXPECT_EQ(toka.panel().settingsProblem()->kind, SettingsProblem::Kind::Unparseable);

    voice.addObject(7, "VOICE", "TOKA");
    voice.setLong(7, 0, 3);
    voice.setLong(7, 1, 7);
    voice.setLong(7, 2, 1);
    toka.panel().Norvo_ObjectCreated(7);
    voice.setLong(7, 9, 2);
    voice.setText(7, 9, "B");
    EXPECT_THROW(toka.panel().Norvo_ObjectValueChanged(7, 9), SettingsError);
    EXPECT_EQ(toka.panel().form().get<ComboBox>("FreqInfo", 2).items(), (std::vector<std::string>{"B", "A"}));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), text);
}

} // namespace
} // namespace norvo::qt
