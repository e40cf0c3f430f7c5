#include "QuickTestSupport.h"

#include "panel/TOKA.h"
#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "qt/quick/QuickFormView.h"
#include "qt/widgets/FormView.h"
#include "qt/widgets/PanelSnapshot.h"
#include "support/CaseNames.h"

#include <QAccessible>
#include <QCursor>
#include <QQuickWindow>
#include <QTest>

#include <functional>
#include <iostream>

namespace norvo::qt {
namespace {

// One state of the panel, set up on the voice client (and the panel) before
// both front ends render it.
struct PanelState {
    const char* name;
    std::function<void(testing::QuickPanel&)> setUp;
    // The control that has the keyboard focus, if any.
    const char* focused = nullptr;
};

void PrintTo(const PanelState& state, std::ostream* out) { *out << state.name; }

void connectAll(testing::QuickPanel& p)
{
    for (const std::int32_t index : {7, 8, 9})
        p.voice.setLong(7, index, 2);
    p.voice.setText(7, 7, "EDDF_TWR");
    p.voice.setText(7, 8, "EDDF_APP");
    p.voice.setText(7, 9, "LOWW_CTR");
}

const PanelState States[] = {
    {"Unbound", [](testing::QuickPanel& p) { p.unbound = true; }},
    {"Idle", [](testing::QuickPanel&) {}},
    {"PendingConnectedFailed",
        [](testing::QuickPanel& p) {
            p.voice.setLong(7, 7, 1);
            p.voice.setLong(7, 8, 2);
            p.voice.setLong(7, 9, 3);
            p.voice.setText(7, 8, "EDDF_APP");
        }},
    {"Kicked", [](testing::QuickPanel& p) { p.voice.setLong(7, 7, 4); }},
    {"Activity",
        [](testing::QuickPanel& p) {
            connectAll(p);
            p.voice.setLong(7, 19, 1);
            p.voice.setLong(7, 23, 1);
        }},
    {"SpeakerPerSlot",
        [](testing::QuickPanel& p) {
            connectAll(p);
            p.voice.setLong(7, 3, 1);
            p.voice.setLong(7, 10, 1);
            p.voice.setLong(7, 12, 1);
        }},
    {"AllToSpeaker",
        [](testing::QuickPanel& p) {
            connectAll(p);
            p.voice.setLong(7, 4, 1);
        }},
    {"MutedAndPriority",
        [](testing::QuickPanel& p) {
            connectAll(p);
            p.voice.setLong(7, 13, 1);
            p.voice.setLong(7, 17, 1);
            p.voice.setLong(7, 25, 1);
        }},
    {"SecondRadioHeardAndTransmitting",
        [](testing::QuickPanel& p) {
            p.voice.setPilot(InMemoryVoiceClient::Pilot{"2", "2", "118.100", "121.500"});
            p.voice.setLong(7, 6, 1);
        }},
    {"HoveredButton",
        [](testing::QuickPanel& p) {
            p.afterBinding = [&p] { p.panel->form().at("btnQuit").mouseMove(MouseEvent{0, 0, 4, 4}); };
        }},
    {"FocusMark", [](testing::QuickPanel&) {}, "COMReceive"},
};

struct PixelCounts {
    int outside = 0;
    int text = 0;
    int comboBox = 0;
};

// The panel in one state on both front ends, at the screen's device pixel
// ratio (the test runs at 1 and at 2): the same pixels everywhere but in the
// labels' captions, whose glyphs each front end lays on its own surface, and
// in the free channel's box, a QComboBox in the Widgets panel.
struct FrontEndPixels : ::testing::TestWithParam<PanelState> { };

TEST_P(FrontEndPixels, BothFrontEndsPaintTheSamePixelsOutsideText)
{
    // Away from the mouse: Qt Quick tells the items under it that it hovers.
    QCursor::setPos(QPoint(5000, 5000));
    testing::QuickPanel p;
    GetParam().setUp(p);
    p.start();
    Form& form = p.panel->form();
    const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    Control* focused = GetParam().focused ? &form.at(GetParam().focused, 0) : nullptr;

    FormView widgets(form);
    widgets.show();
    widgets.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&widgets));
    // Qt gives a window it activates the focus of its first tab stop.
    if (focused)
        widgets.widgetFor(*focused)->face().setFocus(Qt::TabFocusReason);
    else if (QWidget* first = QApplication::focusWidget())
        first->clearFocus();
    const QImage widgetPixels = PanelSnapshot::grab(widgets, ratio).convertToFormat(QImage::Format_RGB32);
    widgets.hide();

    QQuickWindow window;
    window.setColor(Qt::black);
    QuickFormView quick(form, window.contentItem());
    window.resize(quick.size().toSize());
    window.show();
    window.requestActivate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    if (focused)
        quick.itemFor(*focused)->forceActiveFocus(Qt::TabFocusReason);
    const QImage quickPixels = window.grabWindow().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(quickPixels.size(), widgetPixels.size());

    // Where text is, in device pixels.
    QRegion text;
    QRegion comboBox;
    const std::function<void(Control&)> collect = [&](Control& container) {
        for (const auto& child : container.children()) {
            const bool caption = child->kind() == ControlKind::Label && !static_cast<Label&>(*child).caption().empty();
            const bool box = child->kind() == ControlKind::ComboBox;
            if ((caption || box) && child->visible()) {
                const QPointF at = quick.itemFor(*child)->mapToItem(&quick, QPointF(0, 0)) * ratio;
                (box ? comboBox : text) += QRectF(at, QSizeF(child->width(), child->height()) * ratio).toAlignedRect();
            }
            collect(*child);
        }
    };
    collect(form);
    PixelCounts counts;
    for (int y = 0; y < quickPixels.height(); ++y)
        for (int x = 0; x < quickPixels.width(); ++x)
            if (quickPixels.pixel(x, y) != widgetPixels.pixel(x, y))
                ++(comboBox.contains(QPoint(x, y))    ? counts.comboBox
                        : text.contains(QPoint(x, y)) ? counts.text
                                                      : counts.outside);
    std::cout << GetParam().name << " at ratio " << ratio << ": " << counts.outside
              << " differing pixels outside text, " << counts.text << " in captions, " << counts.comboBox
              << " in the free channel's box\n";
    EXPECT_EQ(counts.outside, 0);
}

INSTANTIATE_TEST_SUITE_P(Table, FrontEndPixels, ::testing::ValuesIn(States), NamedAfterPrintTo());

// What a screen reader reads of one item, as QDebug shows it.
QString describe(QAccessibleInterface& item)
{
    const QAccessible::State state = item.state();
    QString line
        = QStringLiteral("%1 role %2 \"%3\" (%4) value \"%5\"")
              .arg(item.text(QAccessible::Name))
              .arg(item.role())
              .arg(item.text(QAccessible::Description), item.text(QAccessible::Help), item.text(QAccessible::Value));
    const std::pair<bool, const char*> flags[] = {{state.checkable, "checkable"}, {state.checked, "checked"},
        {state.focusable, "focusable"}, {state.invisible, "invisible"}, {state.disabled, "disabled"},
        {state.editable, "editable"}, {state.expandable, "expandable"}, {state.expanded, "expanded"}};
    for (const auto& [set, flag] : flags)
        if (set)
            line += QLatin1Char(' ') + QLatin1String(flag);
    if (QAccessibleActionInterface* actions = item.actionInterface())
        line += QStringLiteral(" actions ") + actions->actionNames().join(QLatin1Char(','));
    if (QAccessibleTextInterface* text = item.textInterface(); text && item.role() == QAccessible::StaticText)
        line += QStringLiteral(" reads \"%1\"").arg(text->text(0, text->characterCount()));
    return line;
}

// The tree under an item, one line per item, indented by depth. Of a combo
// box's parts, both front ends offer its list of remembered rooms: their
// names (the rest is the toolkit's own).
void walk(QAccessibleInterface& item, int depth, QStringList& lines, bool inComboBox = false)
{
    const QString indent(depth * 2, QLatin1Char(' '));
    lines.append(indent + (inComboBox ? item.text(QAccessible::Name) : describe(item)));
    for (int i = 0; i < item.childCount(); ++i) {
        QAccessibleInterface* child = item.child(i);
        EXPECT_EQ(child->parent(), &item) << qPrintable(lines.last());
        EXPECT_EQ(item.indexOfChild(child), i) << qPrintable(lines.last());
        const bool partOfBox = inComboBox || item.role() == QAccessible::ComboBox;
        if (!partOfBox || child->role() == QAccessible::List || child->role() == QAccessible::ListItem)
            walk(*child, depth + 1, lines, partOfBox);
    }
}

struct FrontEndAccessibility : ::testing::TestWithParam<PanelState> { };

// Assistive technology reads the same of both front ends in every state:
// names, roles, state words, toggles, actions, the labels' texts and the
// free channel's remembered rooms.
TEST_P(FrontEndAccessibility, BothFrontEndsTellTheSame)
{
    testing::QuickPanel p;
    GetParam().setUp(p);
    p.start();
    Form& form = p.panel->form();
    form.get<ComboBox>("FreqInfo", 2).setItems({"EGLL_TWR", "LFPG_TWR"});

    FormView widgets(form);
    widgets.show();
    QQuickWindow window;
    QuickFormView quick(form, window.contentItem());
    window.resize(quick.size().toSize());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widgets) && QTest::qWaitForWindowExposed(&window));

    QStringList widgetTree;
    QStringList quickTree;
    walk(*QAccessible::queryAccessibleInterface(&widgets), 0, widgetTree);
    walk(*QAccessible::queryAccessibleInterface(&quick), 0, quickTree);
    EXPECT_EQ(quickTree.join(QLatin1Char('\n')).toStdString(), widgetTree.join(QLatin1Char('\n')).toStdString());
    // Once assistive technology turns up, the window offers the panel.
    QAccessible::setActive(true);
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(&window);
    ASSERT_EQ(shown->childCount(), 1);
    EXPECT_EQ(shown->child(0)->object(), &quick);
}

INSTANTIATE_TEST_SUITE_P(Table, FrontEndAccessibility, ::testing::ValuesIn(States), NamedAfterPrintTo());

} // namespace
} // namespace norvo::qt
