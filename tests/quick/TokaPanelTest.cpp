#include "QuickTestSupport.h"

#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "qt/common/Conversions.h"
#include "qt/common/RegionWindowSystem.h"
#include "qt/quick/ListPopupItem.h"
#include "qt/quick/QuickFormView.h"
#include "qt/quick/TokaPanel.h"
#include "qt/quick/ToolTipItem.h"
#include "recording/LoggingVoiceClient.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <map>

namespace norvo::qt {
namespace {

using norvo::testing::raiseEvent;

QuickFormView& viewOf(TokaPanel& item) { return *item.findChild<QuickFormView*>(); }

// A panel item as QML makes one: its client given while it is being built;
// it starts once complete, once; another client detaches the first.
TEST(TokaPanelTest, StartsOnceCompleteWithAClientAndDetachesItForAnother)
{
    TokaPanel item;
    EXPECT_EQ(item.panel().form().get<Label>("Freq", 0).caption(), "COMM1");
    EXPECT_EQ(item.implicitWidth(), norvo::TOKA::DesignWidth);
    CallLog log;
    InMemoryVoiceClient first;
    InMemoryVoiceClient second;
    LoggingVoiceClient loggedFirst{first, [&log](const std::string& line) { log.add("first " + line); }};
    LoggingVoiceClient loggedSecond{second, [&log](const std::string& line) { log.add("second " + line); }};
    const auto calls = [&log](const std::string& call) { return std::ranges::count(log.lines(), call); };
    item.setSettings(std::make_unique<MemorySettingsStore>());

    QQmlParserStatus& status = item;
    status.classBegin();
    item.setVoiceClient(&loggedFirst);
    EXPECT_EQ(calls("first Norvo.Attach()"), 0);
    status.componentComplete();
    EXPECT_EQ(calls("first Norvo.Attach()"), 1);

    item.setVoiceClient(&loggedSecond);
    const auto detached = std::ranges::find(log.lines(), "first Norvo.Detach()");
    ASSERT_NE(detached, log.lines().end());
    EXPECT_LT(detached, std::ranges::find(log.lines(), "second Norvo.Attach()"));
    EXPECT_EQ(calls("second Norvo.Attach()"), 1);
    EXPECT_NE(viewOf(item).itemFor(item.panel().form().at("Freq", 0)), nullptr);
    item.setVoiceClient(nullptr);
}

// The panel shown in a window of its own, bound to object 7.
struct ShownPanelTest : ::testing::Test {
    ShownPanelTest()
    {
        voice.setPilot(InMemoryVoiceClient::Pilot{"1", "1", "122.800", "121.500"});
        voice.addObject(7, "VOICE", "TOKA");
        for (const auto& [index, value] : {std::pair{0, 3}, std::pair{1, 7}, std::pair{2, 1}})
            voice.setLong(7, index, value);
        item->setSettings(std::make_unique<MemorySettingsStore>());
        item->setDockFrame(&dock);
        item->setVoiceClient(&voice);
        item->setOwnsWindow(true);
        std::int32_t width = 0;
        std::int32_t height = 0;
        item->panel().Sizing(0, width, height);
        raiseEvent(item->panel(), VoiceEvent::Kind::ObjectCreated, 7);
        window.resize(item->implicitWidth(), item->implicitHeight());
        window.show();
        window.requestActivate();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    ControlItem& itemOf(const char* name, int index = Control::NoIndex)
    {
        return *viewOf(*item).itemFor(item->panel().form().at(name, index));
    }
    QPoint centreOf(const char* name, int index = Control::NoIndex)
    {
        ControlItem& shown = itemOf(name, index);
        return shown.mapToScene(QPointF(shown.width() / 2, shown.height() / 2)).toPoint();
    }
    std::map<const QQuickItem*, int> paints()
    {
        window.grabWindow();
        std::map<const QQuickItem*, int> counts;
        for (const ControlItem* each : window.contentItem()->findChildren<ControlItem*>())
            counts[each] = each->paintCount();
        return counts;
    }

    CallLog log;
    InMemoryVoiceClient voice;
    RecordingDockFrame dock{log};
    QQuickWindow window;
    TokaPanel* item = new TokaPanel(window.contentItem());
};

TEST_F(ShownPanelTest, OwnWindowIsRoundedAndTheCloseButtonRaisesQuit)
{
    EXPECT_EQ(window.mask(), RegionWindowSystem::roundRect(QRect(0, 0, 535, 21), 22, 22));
    QSignalSpy quit(item, &TokaPanel::quit);
    QTest::mouseClick(&window, Qt::LeftButton, {}, centreOf("btnQuit"));
    EXPECT_EQ(quit.count(), 1);
}

// A refresh that finds what is shown repaints nothing; one value changed
// repaints the item that shows it and no other.
TEST_F(ShownPanelTest, RefreshRepaintsOnlyWhatChanged)
{
    const auto before = paints();
    raiseEvent(item->panel(), VoiceEvent::Kind::ObjectCreated, 7);
    EXPECT_EQ(paints(), before);
    voice.setLong(7, 25, 1);
    raiseEvent(item->panel(), VoiceEvent::Kind::ObjectValueChanged, 7, 25);
    const auto after = paints();
    std::vector<std::string> repainted;
    for (const auto& [shown, count] : after)
        if (count != before.at(shown))
            repainted.push_back(static_cast<const ControlItem*>(shown)->control().reference());
    EXPECT_EQ(repainted, std::vector<std::string>{"PriorityChannel(0)"});
}

// Tab walks the form's order, the stops a user acts on; Space on a button
// makes the calls of a click; the free channel's box takes typing.
TEST_F(ShownPanelTest, KeyboardReachesTheControlsInTheFormsOrder)
{
    item->forceActiveFocus();
    for (const char* expected : {"COMReceive(0)", "COMTransmit(0)", "COMTransmit(1)", "COMReceive(1)"}) {
        QTest::keyClick(&window, Qt::Key_Tab);
        ASSERT_NE(item->panel().form().focusedControl(), nullptr) << expected;
        EXPECT_EQ(item->panel().form().focusedControl()->reference(), expected);
    }
    itemOf("FreqInfo", 2).forceActiveFocus();
    for (const char key : {'E', 'D', 'D', 'F'})
        QTest::keyClick(&window, key);
    EXPECT_EQ(item->panel().form().get<ComboBox>("FreqInfo", 2).text(), "EDDF");
}

// The item of the type shown in a window of its own, if any.
template <class Item> Item* floating()
{
    for (QWindow* shown : QGuiApplication::topLevelWindows())
        if (auto* scene = qobject_cast<QQuickWindow*>(shown); scene && scene->isVisible())
            if (auto* item = scene->contentItem()->findChild<Item*>())
                return item;
    return nullptr;
}

// The tooltip of the control under the resting mouse shows below the
// pointer, in a window of its own (beyond the panel's window, which is only
// as tall as the panel); moving on to another control takes it away.
TEST_F(ShownPanelTest, ToolTipShowsWhileTheMouseRestsOnItsControl)
{
    viewOf(*item).setToolTipDelay(std::chrono::milliseconds(0));
    const Control& box = item->panel().form().at("FreqInfo", 2);
    const QString boxTip = QString::fromStdString(box.shownToolTip());
    ASSERT_FALSE(boxTip.isEmpty());
    QTest::mouseMove(&window, centreOf("FreqInfo", 2));
    ASSERT_TRUE(QTest::qWaitFor([] { return floating<ToolTipItem>() != nullptr; }));
    const ToolTipItem& tip = *floating<ToolTipItem>();
    EXPECT_EQ(tip.text(), boxTip);
    EXPECT_NE(tip.window(), &window);
    EXPECT_EQ(tip.window()->size(), tip.size().toSize());
    QTest::mouseMove(&window, centreOf("RoomRecvActivity", 0));
    EXPECT_TRUE(!floating<ToolTipItem>() || floating<ToolTipItem>()->text() != boxTip);
}

// The box's button drops its remembered rooms down below the box, in a
// window of its own; a click on a row takes that room into the box and
// closes the list.
TEST_F(ShownPanelTest, DropDownListPicksARememberedRoom)
{
    auto& box = item->panel().form().get<ComboBox>("FreqInfo", 2);
    box.setItems({"EGLL_TWR", "LFPG_TWR"});
    const ControlItem& shown = itemOf("FreqInfo", 2);
    QTest::mouseClick(&window, Qt::LeftButton, {}, shown.mapToScene(QPointF(shown.width() - 4, 4)).toPoint());
    ListPopupItem* list = floating<ListPopupItem>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->window()->geometry(),
        QRect(shown.mapToGlobal(QPointF(0, shown.height())).toPoint(), list->size().toSize()));
    // In the box's colours, not the desktop's.
    const QImage shot = list->window()->grabWindow();
    const int inside = static_cast<int>(3 * list->window()->devicePixelRatio());
    EXPECT_EQ(shot.pixelColor(shot.width() - inside, shot.height() - inside), toQColor(box.backColor()));
    // It goes with the panel's window when that is dragged.
    const QPoint below = list->window()->position();
    window.setPosition(window.position() + QPoint(30, 20));
    EXPECT_TRUE(QTest::qWaitFor([&] { return list->window()->position() == below + QPoint(30, 20); }));
    QTest::mouseClick(list->window(), Qt::LeftButton, {}, QPoint(4, static_cast<int>(list->height() * 3 / 4)));
    EXPECT_EQ(box.text(), "LFPG_TWR");
    EXPECT_TRUE(QTest::qWaitFor([] { return !floating<ListPopupItem>(); }));
    // Dropped down again, it closes when another control takes the focus.
    QTest::mouseClick(&window, Qt::LeftButton, {}, shown.mapToScene(QPointF(shown.width() - 4, 4)).toPoint());
    ASSERT_NE(floating<ListPopupItem>(), nullptr);
    itemOf("PriorityChannel", 2).forceActiveFocus(Qt::TabFocusReason);
    EXPECT_TRUE(QTest::qWaitFor([] { return !floating<ListPopupItem>(); }));
}

// From the keyboard: Alt+Down or F4 drop the list down marking the box's
// own text, the arrows move the mark within the list, Return picks it and
// Escape closes the list.
TEST_F(ShownPanelTest, DropDownListByTheKeyboard)
{
    auto& box = item->panel().form().get<ComboBox>("FreqInfo", 2);
    box.setItems({"EGLL_TWR", "LFPG_TWR", "EDDF_TWR"});
    box.setText("LFPG_TWR");
    auto& shown = itemOf("FreqInfo", 2);
    shown.forceActiveFocus(Qt::TabFocusReason);
    QTest::keyClick(&window, Qt::Key_Down, Qt::AltModifier);
    ListPopupItem* list = floating<ListPopupItem>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->marked(), 1);
    const auto marks = [&](std::initializer_list<Qt::Key> keys) {
        std::vector<int> seen;
        for (const Qt::Key key : keys) {
            QTest::keyClick(&window, key);
            seen.push_back(list->marked());
        }
        return seen;
    };
    EXPECT_EQ(marks({Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up}), (std::vector{2, 2, 1, 0, 0}));
    EXPECT_EQ(box.text(), "LFPG_TWR");
    // Assistive technology reads the marked row as the focused one.
    QAccessible::setActive(true);
    QAccessibleInterface* rows = QAccessible::queryAccessibleInterface(&shown)->child(0);
    EXPECT_TRUE(rows->child(0)->state().focused);
    EXPECT_FALSE(rows->child(1)->state().focused);
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_EQ(box.text(), "EGLL_TWR");
    EXPECT_TRUE(QTest::qWaitFor([] { return !floating<ListPopupItem>(); }));
    QTest::keyClick(&window, Qt::Key_F4);
    ASSERT_NE(floating<ListPopupItem>(), nullptr);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([] { return !floating<ListPopupItem>(); }));
    EXPECT_EQ(box.text(), "EGLL_TWR");
}

} // namespace
} // namespace norvo::qt
