#include "SampleForm.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWindow>

#include <stdexcept>
#include <string>
#include <vector>

namespace norvo::qt {
namespace {

using testing::colourAt;
using testing::render;
using testing::SampleForm;
using Lines = std::vector<std::string>;

TEST_F(SampleForm, WidgetsReflectTooltipPointerAndEnabled)
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

// The view on screen, each control logging the input it receives.
struct InputTest : SampleForm {
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
    EXPECT_TRUE(warnings.contains("norvo.panel: click on RoomStatus(2) failed: voice client gone"));
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

} // namespace
} // namespace norvo::qt
