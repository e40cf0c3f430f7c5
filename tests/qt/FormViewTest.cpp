#include "QtTestSupport.h"

#include "labels/UserLabelGraph.h"
#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/ManualClock.h"
#include "platform/PictureBox.h"
#include "platform/Shape.h"
#include "qt/ComboBoxWidget.h"
#include "qt/Conversions.h"
#include "qt/FormView.h"
#include "support/ChangeCounter.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QVBoxLayout>
#include <QWindow>

#include <stdexcept>
#include <string>
#include <vector>

namespace norvo::qt {
namespace {

using testing::colourAt;
using testing::PaintCounter;
using testing::render;
using Lines = std::vector<std::string>;

constexpr Colour Green = 0x00C000;
constexpr Colour Teal = 0xC0C000;
constexpr Colour Fill = 0xFFD96D;
constexpr Colour Border = 0x8B6C37;

// Built like the panel: a row frame from x 20 with a transparent white warning
// beneath a room frame, which holds a room name box and a green indicator at
// x 80; a red bar taller than the form; a teal label, then a shape over it.
struct FormViewTest : ::testing::Test {
    FormViewTest()
    {
        form.setSize(120, 21);
        row.setGeometry(20, 0, 100, 20);
        warning.setGeometry(2, 4, 96, 14);
        warning.setTransparent(true);
        warning.setForeColor(0xFFFFFF);
        warning.setCaption("VATSIM");
        room.setGeometry(0, 0, 100, 20);
        combo.setGeometry(0, 0, 50, 20);
        status.setGeometry(60, 0, 16, 20);
        status.setBackColor(Green);
        bar.setGeometry(0, 0, 7, 72);
        bar.setBackColor(0x0000FF);
        block.setGeometry(0, 0, 15, 50);
        block.setBackColor(Teal);
        shape.setGeometry(10, 2, 10, 8);
        shape.setFillColor(Fill);
        shape.setBorderColor(Border);
    }

    ManualClock clock;
    Form form{"TOKA"};
    Frame& row = form.addChild(std::make_unique<Frame>("channel", 2));
    Label& warning = row.addChild(std::make_unique<Label>("VATSIMWarning"));
    Frame& room = row.addChild(std::make_unique<Frame>("Room", 2));
    ComboBox& combo = room.addChild(std::make_unique<ComboBox>("FreqInfo", 2));
    PictureBox& status = room.addChild(std::make_unique<PictureBox>("RoomStatus", 2));
    PictureBox& bar = form.addChild(std::make_unique<PictureBox>("Bar"));
    Label& block = form.addChild(std::make_unique<Label>("Label2"));
    Shape& shape = form.addChild(std::make_unique<Shape>("shpCaption"));
    FormView view{form};
};

// The mean x of the white pixels in an area, -1 when there are none.
int meanWhiteX(const QImage& image, const QRect& area)
{
    int sum = 0;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (const Colour c = colourAt(image, x, y); redOf(c) > 200 && greenOf(c) > 200 && blueOf(c) > 200) {
                sum += x;
                ++count;
            }
    return count ? sum / count : -1;
}

// Windowed controls lie above windowless ones whatever the model's order;
// among windowless ones the later lies on top.
TEST_F(FormViewTest, ControlsAreStackedAndDrawnAsThePlatformDoes)
{
    const QImage image = render(view);
    EXPECT_EQ(colourAt(image, 3, 10), 0x0000FFu);
    EXPECT_EQ(colourAt(image, 12, 20), Teal);
    EXPECT_EQ(colourAt(image, 88, 10), Green);
    EXPECT_EQ(colourAt(image, 10, 5), Border);
    EXPECT_EQ(colourAt(image, 19, 9), Border);
    EXPECT_EQ(colourAt(image, 12, 5), Fill);
    EXPECT_EQ(colourAt(image, 18, 8), Fill);
}

TEST_F(FormViewTest, ChangeRepaintsOnlyItsWidgetAndAnUnchangedValueNothing)
{
    testing::showAndExpose(view);
    PaintCounter statusPaints(view.widgetFor(status));
    PaintCounter barPaints(view.widgetFor(bar));
    status.setBackColor(Green);
    QApplication::processEvents();
    EXPECT_EQ(statusPaints.paints, 0);
    status.setBackColor(0x404040);
    QApplication::processEvents();
    EXPECT_EQ(statusPaints.paints, 1);
    EXPECT_EQ(barPaints.paints, 0);
    EXPECT_EQ(colourAt(render(view), 88, 10), 0x404040u);
}

// Transparent: the row's black shows between the letters.
TEST_F(FormViewTest, HiddenRoomRevealsTheTransparentWarningAlignedAsSet)
{
    const QRect area(22, 4, 96, 14);
    room.setVisible(false);
    const QImage image = render(view);
    EXPECT_EQ(colourAt(image, 23, 5), 0u);
    EXPECT_EQ(colourAt(image, 88, 10), 0u);
    const int left = meanWhiteX(image, area);
    EXPECT_GT(left, 0);
    warning.setAlignment(Alignment::Center);
    const int centre = meanWhiteX(render(view), area);
    EXPECT_NEAR(centre, 70, 3);
    warning.setAlignment(Alignment::Right);
    EXPECT_LT(left, centre);
    EXPECT_LT(centre, meanWhiteX(render(view), area));
}

TEST_F(FormViewTest, WidgetsReflectTooltipPointerAndEnabled)
{
    QWidget& widget = *view.widgetFor(status);
    status.setToolTipText("Connection");
    status.setMousePointer(99);
    status.setEnabled(false);
    EXPECT_EQ(widget.toolTip(), QStringLiteral("Connection"));
    EXPECT_EQ(widget.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(widget.isEnabled());
    status.setMousePointer(0);
    EXPECT_EQ(widget.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(FormViewTest, TabOrderFollowsTheForm)
{
    auto& other = room.addChild(std::make_unique<PictureBox>("Other"));
    bar.setTabIndex(0);
    other.setTabIndex(1);
    status.setTabIndex(2);
    FormView tabbed(form);
    const auto next = [&](const Control& control) { return tabbed.widgetFor(control)->nextInFocusChain(); };
    EXPECT_EQ(next(bar), tabbed.widgetFor(other));
    EXPECT_EQ(next(other), tabbed.widgetFor(status));
    other.setTabIndex(3);
    EXPECT_EQ(next(bar), tabbed.widgetFor(status));
}

// At a device pixel ratio of 2 each surface pixel is a sharp 2 x 2 block.
TEST_F(FormViewTest, GraphLabelShowsItsSurfaceUnblurredAndFollowsItsRedraws)
{
    auto& speaker = form.addChild(std::make_unique<UserLabelGraph>("ToSpeaker", 0, clock));
    speaker.setGeometry(30, 3, 18, 15);
    speaker.Style(6);
    FormView graphView(form);
    const auto showsSurface = [&](const QImage& image) {
        int wrong = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 36; ++x)
                wrong += colourAt(image, 60 + x, 6 + y) != speaker.surface().pixel(x / 2, y / 2);
        return wrong == 0;
    };
    const QImage before = render(graphView, 2.0);
    EXPECT_TRUE(showsSurface(before));
    speaker.Status(1);
    const QImage after = render(graphView, 2.0);
    EXPECT_TRUE(showsSurface(after));
    EXPECT_NE(before, after);
}

TEST(ConversionsTest, SystemColoursComeFromThePalette)
{
    EXPECT_EQ(toQColor(SystemWindowText), QApplication::palette().color(QPalette::WindowText));
}

// The view on screen, each control logging the input it receives.
struct InputTest : FormViewTest {
    InputTest()
    {
        for (Control* control : std::initializer_list<Control*>{&form, &room, &status, &block}) {
            const std::string name = control->reference();
            control->onClick = [this, name] { log.push_back(name + " click"); };
            control->onDblClick = [this, name] { log.push_back(name + " dblclick"); };
            control->onMouseDown = [this, name](const MouseEvent& e) {
                log.push_back(name + " down " + std::to_string(e.button) + " " + std::to_string(e.shift) + " at "
                    + std::to_string(int(e.x)) + "," + std::to_string(int(e.y)));
            };
        }
        testing::showAndExpose(view);
    }

    QWindow* window() { return view.windowHandle(); }

    Lines log;
};

// Only the left button clicks; the second press of a double-click is no
// mouse-down.
TEST_F(InputTest, MouseReachesTheControlUnderThePointerWithButtonShiftAndPosition)
{
    const struct {
        Qt::MouseButton button;
        Qt::KeyboardModifiers modifiers;
        QPoint at;
        Lines expected;
    } presses[] = {
        {Qt::LeftButton, {}, {88, 10}, {"RoomStatus(2) down 1 0 at 8,10", "RoomStatus(2) click"}},
        {Qt::LeftButton, {}, {75, 15}, {"Room(2) down 1 0 at 55,15", "Room(2) click"}},
        {Qt::MiddleButton, Qt::AltModifier, {8, 15}, {"Label2 down 4 4 at 8,15"}},
        {Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, {8, 15}, {"Label2 down 2 3 at 8,15"}},
    };
    for (const auto& press : presses) {
        log.clear();
        QTest::mouseClick(window(), press.button, press.modifiers, press.at, 1000);
        EXPECT_EQ(log, press.expected);
    }
    log.clear();
    QTest::mouseDClick(window(), Qt::LeftButton, {}, QPoint(88, 10), 1000);
    EXPECT_EQ(log, (Lines{"RoomStatus(2) down 1 0 at 8,10", "RoomStatus(2) click", "RoomStatus(2) dblclick"}));
    std::vector<MouseEvent> moves;
    status.onMouseMove = [&](const MouseEvent& e) { moves.push_back(e); };
    QTest::mouseMove(window(), QPoint(83, 4));
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].button, 0);
    EXPECT_EQ(QPointF(moves[0].x, moves[0].y), QPointF(3, 4));
}

// A failing handler is logged and input goes on.
TEST_F(InputTest, ClickFocusesAnIndicatorAndOnlyCharacterKeysReachIt)
{
    testing::WarningLog warnings;
    status.onClick = [] { throw std::runtime_error("voice client gone"); };
    QTest::mouseClick(window(), Qt::LeftButton, {}, QPoint(88, 10));
    EXPECT_TRUE(warnings.contains("click on RoomStatus(2) failed: voice client gone"));
    EXPECT_EQ(form.focusedControl(), &status);
    status.onKeyPress = [this](std::int16_t& key) { log.push_back("key " + std::to_string(key)); };
    log.clear();
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_Return, Qt::Key_Left, Qt::Key_Backspace})
        QTest::keyClick(window(), key);
    // Some platforms send Delete with a DEL character; it types none.
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, {}, QStringLiteral("\x7f"));
    QApplication::sendEvent(view.widgetFor(status), &del);
    EXPECT_EQ(log, (Lines{"key 97", "key 13", "key 8"}));
}

TEST_F(InputTest, FocusLeavingForAWidgetOutsideTheFormLeavesTheFormWithoutFocus)
{
    QWidget host;
    auto* layout = new QVBoxLayout(&host);
    auto* panel = new FormView(form);
    auto* other = new QLineEdit;
    layout->addWidget(panel);
    layout->addWidget(other);
    testing::showAndExpose(host);
    panel->widgetFor(status)->setFocus();
    EXPECT_EQ(form.focusedControl(), &status);
    other->setFocus();
    EXPECT_EQ(form.focusedControl(), nullptr);
}

// The room name box with the focus; its key handler cancels 'x' and types
// other small letters as capitals.
struct ComboBoxTest : FormViewTest {
    ComboBoxTest()
    {
        combo.addItem("EDDF_TWR");
        combo.addItem("LFPG_APP");
        combo.onKeyPress = [this](std::int16_t& key) {
            keys.push_back(key);
            if (key == 'x')
                key = 0;
            else if (key >= 'a' && key <= 'z')
                key = static_cast<std::int16_t>(key - 'a' + 'A');
        };
        combo.onClick = [this] { clickedWithText.push_back(combo.text()); };
        testing::showAndExpose(view);
        box().setFocus();
    }

    QComboBox& box() { return static_cast<ComboBoxWidget*>(view.widgetFor(combo))->box(); }
    QLineEdit& edit() { return *box().lineEdit(); }

    std::vector<std::int16_t> keys;
    std::vector<std::string> clickedWithText;
};

// Enter reaches the handler too, and neither types nor adds to the list.
TEST_F(ComboBoxTest, EachKeyPassesTheHandlerBeforeTheText)
{
    QTest::keyClicks(&box(), "axb1");
    QTest::keyClick(&box(), Qt::Key_Return);
    EXPECT_EQ(keys, (std::vector<std::int16_t>{'a', 'x', 'b', '1', 13}));
    EXPECT_EQ(combo.text(), "AB1");
    EXPECT_EQ(edit().text(), QStringLiteral("AB1"));
    EXPECT_EQ(combo.selStart(), 3);
    EXPECT_EQ(combo.selLength(), 0);
    EXPECT_EQ(box().count(), 2);
    EXPECT_EQ(form.focusedControl(), &combo);
}

TEST_F(ComboBoxTest, PickingAnItemSetsTheTextThenClicks)
{
    QTest::keyClick(&box(), Qt::Key_Down);
    EXPECT_EQ(clickedWithText, Lines{"EDDF_TWR"});
}

// Item by item; the text typed stays.
TEST_F(ComboBoxTest, ListChangesReachTheBoxAndLeaveTheText)
{
    QTest::keyClicks(&box(), "eg");
    combo.addItem("EGLL_GND", 0);
    combo.moveItem(2, 0);
    combo.removeItem(1);
    combo.addItem("EDDF_TWR");
    QStringList shown;
    for (int position = 0; position < box().count(); ++position)
        shown.append(box().itemText(position));
    EXPECT_EQ(shown, (QStringList{"LFPG_APP", "EDDF_TWR", "EDDF_TWR"}));
    EXPECT_EQ(edit().text(), QStringLiteral("EG"));
    EXPECT_EQ(box().currentIndex(), -1);
    EXPECT_EQ(combo.selStart(), 2);
}

// The model counts characters, Qt UTF-16 units: two for the radio sign.
TEST_F(ComboBoxTest, ModelStateIsShownInCharactersWithoutBeingWrittenBack)
{
    norvo::testing::ChangeCounter changes(form);
    combo.setText("\xF0\x9F\x93\xBB"
                  "EGLL");
    // The caret stays where the model has it, not at the end of the new text.
    EXPECT_EQ(edit().cursorPosition(), 0);
    combo.setSelStart(2);
    combo.setSelLength(3);
    combo.addItem("EGLL_GND", 0);
    EXPECT_EQ(changes.count(), 4u);
    EXPECT_EQ(edit().selectedText(), QStringLiteral("GLL"));
    ASSERT_EQ(box().count(), 3);
    EXPECT_EQ(box().itemText(0), QStringLiteral("EGLL_GND"));
    edit().setSelection(2, 1);
    EXPECT_EQ(combo.selStart(), 1);
    EXPECT_EQ(combo.selLength(), 1);
}

} // namespace
} // namespace norvo::qt
