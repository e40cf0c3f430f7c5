#include "AccessibilityEvents.h"
#include "QtTestSupport.h"
#include "support/PanelEvents.h"

#include "panel/TOKA.h"
#include "platform/ComboBox.h"
#include "platform/Label.h"
#include "qt/common/QtSettingsStore.h"
#include "qt/widgets/FormView.h"
#include "qt/widgets/PanelSnapshot.h"
#include "qt/widgets/QtWindowSystem.h"
#include "qt/widgets/TokaWidget.h"
#include "recording/CallLog.h"
#include "recording/InMemoryVoiceClient.h"
#include "recording/LoggingVoiceClient.h"
#include "recording/MemorySettingsStore.h"
#include "recording/RecordingDockFrame.h"
#include "skin/Skin.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>

namespace norvo::qt {
namespace {

using norvo::testing::raiseEvent;

FormView& view(TokaWidget& widget) { return *widget.findChild<FormView*>(); }

// The panel at the size it asks for, its calls logged; bind() binds object 7
// (three slots from index 7: state 7-9, speaker 10-12, priority 25-27) with
// speakers routed per slot, and shows the panel active.
struct PanelTest : ::testing::Test {
    PanelTest()
    {
        std::int32_t width = 0;
        std::int32_t height = 0;
        panel().Sizing(0, width, height);
    }

    void bind()
    {
        setUpObject();
        raiseEvent(panel(), VoiceEvent::Kind::ObjectCreated, 7);
        panel().Quit.connect([this] { log.add("raise Quit"); });
        testing::showAndExpose(toka);
        log.take();
    }
    void setUpObject()
    {
        voice.setPilot(InMemoryVoiceClient::Pilot{"1", "1", "122.800", "121.500"});
        voice.addObject(7, "VOICE", "TOKA");
        for (const auto& [index, value] : {std::pair{0, 3}, std::pair{1, 7}, std::pair{2, 1}, std::pair{3, 1},
                 std::pair{4, 0}, std::pair{7, 2}, std::pair{8, 0}, std::pair{9, 0}, std::pair{10, 1}, std::pair{11, 0},
                 std::pair{12, 0}, std::pair{25, 0}, std::pair{26, 1}, std::pair{27, 0}})
            voice.setLong(7, index, value);
    }

    norvo::TOKA& panel() { return toka.panel(); }
    Control& control(const char* name, int index = Control::NoIndex) { return panel().form().at(name, index); }
    ControlWidget& widgetOf(const Control& c) { return *view(toka).widgetFor(c); }
    QPoint centreOf(const char* name, int index = Control::NoIndex)
    {
        const QWidget& widget = widgetOf(control(name, index));
        return widget.mapTo(&toka, widget.rect().center());
    }
    QAccessibleInterface& accessibleOf(const char* name, int index = Control::NoIndex)
    {
        return *QAccessible::queryAccessibleInterface(&widgetOf(control(name, index)).face());
    }
    static void dropFocus()
    {
        if (QWidget* focus = QApplication::focusWidget())
            focus->clearFocus();
    }

    CallLog log;
    InMemoryVoiceClient voice;
    LoggingVoiceClient loggedVoice{voice, log.writer()};
    RecordingDockFrame dock{log};
    TokaWidget toka{loggedVoice, dock, std::make_unique<MemorySettingsStore>()};
};

struct BoundPanelTest : PanelTest {
    BoundPanelTest() { bind(); }
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
    EXPECT_EQ(view(failing).size(), QSize(norvo::TOKA::DesignWidth, norvo::TOKA::DesignHeight));
}

// The widget is the panel to a screen reader, its controls right inside.
// Every item offered is named, once, in a pilot's words; frames, backgrounds
// and the labels' inner parts are not offered; each item's parent lists it.
TEST_F(BoundPanelTest, AccessibilityTreeNamesEveryControlOnceWithItsRole)
{
    std::map<QString, QAccessible::Role> items;
    std::function<void(QAccessibleInterface&)> walk = [&](QAccessibleInterface& item) {
        for (int i = 0; i < item.childCount(); ++i) {
            QAccessibleInterface* child = item.child(i);
            ASSERT_NE(child, nullptr);
            EXPECT_EQ(child->parent(), &item);
            EXPECT_EQ(item.indexOfChild(child), i);
            const QString name = child->text(QAccessible::Name);
            EXPECT_FALSE(name.isEmpty()) << child->object()->metaObject()->className();
            // The box's list and text field go by its name.
            if (item.role() == QAccessible::ComboBox)
                continue;
            EXPECT_TRUE(items.emplace(name, child->role()).second) << qPrintable(name) << " twice";
            walk(*child);
        }
    };
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&toka);
    EXPECT_EQ(root->text(QAccessible::Name), QStringLiteral("Voice panel"));
    EXPECT_EQ(root->role(), QAccessible::Pane);
    walk(*root);
    std::map<QString, QAccessible::Role> expected{{"All channels to speaker", QAccessible::CheckBox},
        {"Close panel", QAccessible::Button}, {"Free channel room name", QAccessible::ComboBox},
        {"Receive activity", QAccessible::StaticText}, {"Send activity", QAccessible::StaticText},
        {"VATSIM Voice only works connected to VATSIM", QAccessible::StaticText}};
    for (const QString row : {"COM1", "COM2", "Free channel"}) {
        expected.emplace(row + " room", QAccessible::Button);
        for (const char* toggle : {" receive", " transmit", " priority", " to speaker"})
            expected.emplace(row + toggle, QAccessible::CheckBox);
        expected.emplace(row + " receive activity", QAccessible::StaticText);
        expected.emplace(row + " send activity", QAccessible::StaticText);
    }
    expected.emplace("COM1 frequency", QAccessible::StaticText);
    expected.emplace("COM2 frequency", QAccessible::StaticText);
    EXPECT_EQ(items, expected);
    EXPECT_TRUE(accessibleOf("PriorityChannel", 1).state().checkable);
    EXPECT_FALSE(accessibleOf("RoomStatus", 1).state().checkable);
    EXPECT_TRUE(accessibleOf("PriorityChannel", 1)
                    .actionInterface()
                    ->actionNames()
                    .contains(QAccessibleActionInterface::toggleAction()));
    // Activity boxes only show: no focus, not even by a click.
    EXPECT_FALSE(accessibleOf("RoomRecvActivity", 0).state().focusable);
}

// What the eye reads is read out: a frequency label's text, the remembered
// rooms in the box's list, the warning only while no room row covers it.
TEST_F(BoundPanelTest, AccessibilityReadsWhatTheEyeSees)
{
    QAccessibleTextInterface* frequency = accessibleOf("Freq", 0).textInterface();
    ASSERT_NE(frequency, nullptr);
    EXPECT_EQ(frequency->text(0, frequency->characterCount()), QStringLiteral("122.800"));
    const QWidget& label = widgetOf(control("Freq", 0));
    EXPECT_TRUE(QRect(label.mapToGlobal(QPoint(0, 0)), label.size()).contains(frequency->characterRect(3)));
    EXPECT_EQ(frequency->offsetAtPoint(frequency->characterRect(3).center()), 3);

    auto& box = static_cast<ComboBox&>(control("FreqInfo", 2));
    box.setItems({"EGLL_TWR", "LFPG_TWR"});
    QAccessibleInterface& combo = accessibleOf("FreqInfo", 2);
    QAccessibleInterface* list = combo.child(0);
    ASSERT_EQ(list->role(), QAccessible::List);
    ASSERT_EQ(list->childCount(), 2);
    EXPECT_EQ(list->child(1)->text(QAccessible::Name), QStringLiteral("LFPG_TWR"));
    EXPECT_EQ(list->parent(), &combo);
    EXPECT_TRUE(combo.actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));

    testing::AccessibilityEvents events;
    QAccessibleInterface& warning = accessibleOf("VATSIMWarning");
    EXPECT_TRUE(warning.state().invisible);
    voice.setLong(7, 2, 0);
    raiseEvent(panel(), VoiceEvent::Kind::ObjectValueChanged, 7, 2);
    EXPECT_FALSE(warning.state().invisible);
    EXPECT_EQ(events.take(warning.object(), QAccessible::StateChanged), 1);
}

// A screen reader hears "COM1 room, Connected": each change of a room's
// state text or of a flag is announced once, an unchanged value not at all
// (the words themselves are the scenarios').
TEST_F(BoundPanelTest, StateTextFollowsTheModelAndIsAnnounced)
{
    testing::AccessibilityEvents events;
    QAccessibleInterface& room = accessibleOf("RoomStatus", 0);
    for (const auto& [state, words] : {std::pair{1, "Pending"}, std::pair{3, "Failed"}}) {
        voice.setLong(7, 7, state);
        raiseEvent(panel(), VoiceEvent::Kind::ObjectValueChanged, 7, 7);
        EXPECT_EQ(room.text(QAccessible::Description), QString::fromLatin1(words));
        EXPECT_EQ(events.take(room.object(), QAccessible::DescriptionChanged), 1) << words;
    }
    QAccessibleInterface& priority = accessibleOf("PriorityChannel", 0);
    for (const auto& [flag, words] : {std::pair{1, "On"}, std::pair{0, "Off"}}) {
        voice.setLong(7, 25, flag);
        raiseEvent(panel(), VoiceEvent::Kind::ObjectValueChanged, 7, 25);
        EXPECT_EQ(priority.state().checked, flag == 1);
        EXPECT_EQ(priority.text(QAccessible::Description), QString::fromLatin1(words));
        EXPECT_EQ(events.take(priority.object(), QAccessible::StateChanged), 1) << words;
    }
    raiseEvent(panel(), VoiceEvent::Kind::ObjectValueChanged, 7, 25);
    raiseEvent(panel(), VoiceEvent::Kind::ObjectValueChanged, 7, 7);
    EXPECT_TRUE(events.seen.empty());
}

// From no focus, Tab stops at the controls a user acts on, in the form's
// order: the activity boxes, bars, labels and frames are passed over.
TEST_F(BoundPanelTest, TabStopsAtWhatAUserActsOnInTheFormsOrder)
{
    dropFocus();
    for (const char* expected : {"COMReceive(0)", "COMTransmit(0)", "COMTransmit(1)", "COMReceive(1)", "RoomStatus(0)",
             "RoomStatus(1)", "PriorityChannel(0)", "PriorityChannel(1)", "RoomStatus(2)", "COMTransmit(2)",
             "COMReceive(2)", "PriorityChannel(2)", "FreqInfo(2)", "ToSpeaker(0)"}) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &toka, Qt::Key_Tab);
        ASSERT_NE(panel().form().focusedControl(), nullptr) << expected;
        EXPECT_EQ(panel().form().focusedControl()->reference(), expected);
    }
}

// Each kind of button: Space and Return make the calls a click makes, from
// the same state.
TEST_F(BoundPanelTest, SpaceAndReturnOnAButtonMakeTheCallsOfAClick)
{
    const std::pair<const char*, int> buttons[] = {{"RoomStatus", 2}, {"COMReceive", 0}, {"COMTransmit", 2},
        {"PriorityChannel", 1}, {"ToSpeaker", 0}, {"GeneralSpeaker", -1}, {"btnQuit", -1}};
    for (const auto& [name, index] : buttons) {
        Control& button = control(name, index);
        const auto callsOf = [&](const std::function<void()>& action) {
            setUpObject();
            log.take();
            action();
            return log.take();
        };
        const auto byKey = [&](Qt::Key key) {
            return [&, key] {
                widgetOf(button).face().setFocus();
                QTest::keyClick(&widgetOf(button).face(), key);
            };
        };
        const std::vector<std::string> clicked = callsOf([&] { button.click(); });
        EXPECT_FALSE(clicked.empty()) << button.reference();
        EXPECT_EQ(callsOf(byKey(Qt::Key_Space)), clicked) << button.reference();
        EXPECT_EQ(callsOf(byKey(Qt::Key_Return)), clicked) << button.reference();
    }
}

// The mark lies on the focused control's edge above everything it draws, a
// skinned label's inner parts and the neighbours that overlap the edge (the
// COM1 room's activity boxes and priority) included: at every second pixel
// along the edge a light dot, on the edge or just inside it. It leaves most
// of the control in its colour.
TEST_F(BoundPanelTest, FocusedControlShowsAWholeMarkThatKeepsItsColour)
{
    for (const auto& [name, index] :
        {std::pair{"RoomStatus", 0}, std::pair{"COMReceive", 1}, std::pair{"btnQuit", -1}}) {
        Control& target = control(name, index);
        const QRect area(widgetOf(target).mapTo(&toka, QPoint(0, 0)), widgetOf(target).size());
        dropFocus();
        const QImage before = testing::render(toka);
        widgetOf(target).face().setFocus();
        const QImage after = testing::render(toka);
        int changed = 0;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                if (before.pixel(x, y) != after.pixel(x, y)) {
                    EXPECT_TRUE(area.contains(x, y)) << name << " at " << x << ", " << y;
                    ++changed;
                }
        EXPECT_LT(changed, area.width() * area.height() / 2) << name;
        EXPECT_EQ(testing::colourAt(after, area.center().x(), area.center().y()),
            testing::colourAt(before, area.center().x(), area.center().y()));
        int dots = 0;
        int missing = 0;
        const auto lightAt = [&](int x, int y, int insideX, int insideY) {
            const bool outer = (x + y) % 4 == 0;
            if (!outer && (x + y) % 4 != 2)
                return;
            ++dots;
            const QPoint at = area.topLeft() + (outer ? QPoint(x, y) : QPoint(insideX, insideY));
            missing += testing::colourAt(after, at.x(), at.y()) != Skin::FocusMarkLight;
        };
        const int right = area.width() - 1;
        const int bottom = area.height() - 1;
        for (int x = 1; x < right; ++x) {
            lightAt(x, 0, x, 1);
            lightAt(x, bottom, x, bottom - 1);
        }
        for (int y = 1; y < bottom; ++y) {
            lightAt(0, y, 1, y);
            lightAt(right, y, right - 1, y);
        }
        EXPECT_EQ(missing, 0) << name << ": " << missing << " of " << dots << " light dots missing";
    }
}

// A file with a stray line in a section that is not the panel's: the host
// is told of what the panel met while starting, and the file is kept (what
// the panel keeps in memory is the remembered list's own test).
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
    EXPECT_EQ(toka.panel().form().get<ComboBox>("FreqInfo", 2).items(), std::vector<std::string>{"A"});
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), text);
}

// A widget made with a parent only shows the panel unbound; the first client
// starts its panel once, and another one shuts that panel down first.
TEST(TokaWidgetSessionTest, ParentOnlyWidgetWaitsForAClientAndStartsEachPanelOnce)
{
    QWidget host;
    TokaWidget toka(&host);
    Form& unbound = toka.panel().form();
    EXPECT_EQ(unbound.get<Label>("Freq", 0).caption(), "COMM1");
    EXPECT_EQ(unbound.get<Label>("Freq", 1).caption(), "COMM2");
    for (int k = 0; k < 3; ++k)
        EXPECT_FALSE(unbound.at("Room", k).visible()) << k;

    CallLog log;
    RecordingDockFrame dock{log};
    InMemoryVoiceClient first;
    InMemoryVoiceClient second;
    LoggingVoiceClient loggedFirst{first, [&log](const std::string& line) { log.add("first " + line); }};
    LoggingVoiceClient loggedSecond{second, [&log](const std::string& line) { log.add("second " + line); }};
    toka.setSettings(std::make_unique<MemorySettingsStore>());
    toka.setDockFrame(&dock);
    toka.setVoiceClient(&loggedFirst);
    const auto calls = [&log](const std::string& call) { return std::ranges::count(log.lines(), call); };
    EXPECT_EQ(calls("first Norvo.Attach()"), 1);
    EXPECT_EQ(toka.voiceClient(), &loggedFirst);

    toka.setVoiceClient(&loggedSecond);
    const auto& lines = log.lines();
    const auto detached = std::ranges::find(lines, "first Norvo.Detach()");
    const auto attached = std::ranges::find(lines, "second Norvo.Attach()");
    ASSERT_NE(detached, lines.end());
    EXPECT_LT(detached, attached);
    EXPECT_EQ(calls("first Norvo.Attach()"), 1);
    EXPECT_EQ(calls("second Norvo.Attach()"), 1);
    EXPECT_NE(view(toka).widgetFor(toka.panel().form().at("Freq", 0)), nullptr);
    toka.setVoiceClient(nullptr);
}

// The file a form names (settingsFile) holds the remembered channels until
// the host gives a store of its own.
TEST(TokaWidgetSessionTest, SettingsFileNamedInAFormHoldsTheRememberedChannels)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("channels.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[PRIVATE]\nCHANNEL0=EGLL_TWR\n");
    file.close();
    CallLog log;
    RecordingDockFrame dock{log};
    InMemoryVoiceClient voice;
    TokaWidget toka;
    toka.setSettingsFile(path);
    toka.setDockFrame(&dock);
    toka.setVoiceClient(&voice);
    const auto remembered = [&toka] { return toka.panel().form().get<ComboBox>("FreqInfo", 2).items(); };
    EXPECT_EQ(toka.settingsFile(), path);
    EXPECT_EQ(remembered(), std::vector<std::string>{"EGLL_TWR"});
    toka.setSettings(std::make_unique<MemorySettingsStore>());
    EXPECT_EQ(toka.settingsFile(), QString());
    EXPECT_EQ(remembered(), std::vector<std::string>{});
    toka.setVoiceClient(nullptr);
}

} // namespace
} // namespace norvo::qt
