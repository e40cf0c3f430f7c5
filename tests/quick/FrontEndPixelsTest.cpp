#include "QuickTestSupport.h"

#include "panel/TOKA.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "qt/quick/QuickFormView.h"
#include "qt/widgets/FormView.h"
#include "qt/widgets/PanelSnapshot.h"
#include "support/CaseNames.h"

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

} // namespace
} // namespace norvo::qt
