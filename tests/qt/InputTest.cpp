#include "QtTestSupport.h"

#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "qt/FormView.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWindow>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace norvo::qt {
namespace {

// Records the input every control receives, one line per handler call.
struct InputTest : ::testing::Test {
    InputTest()
    {
        form.setSize(100, 30);
        frame = &form.addChild(std::make_unique<Frame>("Room", 0));
        frame->setGeometry(40, 0, 60, 30);
        button = &frame->addChild(std::make_unique<PictureBox>("RoomStatus", 0));
        button->setGeometry(10, 5, 20, 20);
        caption = &form.addChild(std::make_unique<Label>("Freq", 0));
        caption->setGeometry(0, 0, 30, 30);
        for (Control* control : std::vector<Control*>{&form, frame, button, caption}) {
            const std::string name = control->reference();
            control->onClick = [this, name] { log.push_back(name + " click"); };
            control->onDblClick = [this, name] { log.push_back(name + " dblclick"); };
            control->onMouseDown = [this, name](const MouseEvent& e) {
                log.push_back(name + " down " + std::to_string(e.button) + " " + std::to_string(e.shift) + " at "
                    + std::to_string(int(e.x)) + "," + std::to_string(int(e.y)));
            };
            control->onKeyPress
                = [this, name](std::int16_t& key) { log.push_back(name + " key " + std::to_string(key)); };
        }
        view = std::make_unique<FormView>(form);
        testing::showAndExpose(*view);
    }

    // Where the window system delivers input: hit-testing picks the widget.
    QWindow* window() { return view->windowHandle(); }

    Form form{"TOKA"};
    Frame* frame = nullptr;
    PictureBox* button = nullptr;
    Label* caption = nullptr;
    std::vector<std::string> log;
    std::unique_ptr<FormView> view;
};

TEST_F(InputTest, ClickOnARenderedIndicatorReachesItsHandler)
{
    QTest::mouseClick(window(), Qt::LeftButton, {}, QPoint(40 + 20, 15));
    EXPECT_EQ(log, (std::vector<std::string>{"RoomStatus(0) down 1 0 at 10,10", "RoomStatus(0) click"}));
}

struct ButtonCase {
    const char* name;
    Qt::MouseButton button;
    Qt::KeyboardModifiers modifiers;
    const char* expected;
};

class PressTest : public InputTest, public ::testing::WithParamInterface<ButtonCase> { };

TEST_P(PressTest, AnyButtonPressReachesTheLabelWithItsNumberAndShiftState)
{
    QTest::mousePress(window(), GetParam().button, GetParam().modifiers, QPoint(5, 6));
    QTest::mouseRelease(window(), GetParam().button, GetParam().modifiers, QPoint(5, 6));
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), GetParam().expected);
    // Only the left button clicks.
    EXPECT_EQ(log.size(), GetParam().button == Qt::LeftButton ? 2u : 1u);
}

INSTANTIATE_TEST_SUITE_P(Buttons, PressTest,
    ::testing::Values(ButtonCase{"Left", Qt::LeftButton, {}, "Freq(0) down 1 0 at 5,6"},
        ButtonCase{"Right", Qt::RightButton, {}, "Freq(0) down 2 0 at 5,6"},
        ButtonCase{"Middle", Qt::MiddleButton, {}, "Freq(0) down 4 0 at 5,6"},
        ButtonCase{"RightWithShiftAndControl", Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier,
            "Freq(0) down 2 3 at 5,6"}),
    [](const ::testing::TestParamInfo<ButtonCase>& info) { return std::string(info.param.name); });

TEST_F(InputTest, PressOnAContainerStaysWithTheContainer)
{
    QTest::mousePress(window(), Qt::LeftButton, {}, QPoint(40 + 45, 2));
    EXPECT_EQ(log, std::vector<std::string>{"Room(0) down 1 0 at 45,2"});
}

TEST_F(InputTest, DoubleClickGivesOneDownOneClickAndTheDoubleClick)
{
    QTest::mouseDClick(window(), Qt::LeftButton, {}, QPoint(40 + 20, 15));
    EXPECT_EQ(log,
        (std::vector<std::string>{"RoomStatus(0) down 1 0 at 10,10", "RoomStatus(0) click", "RoomStatus(0) dblclick"}));
}

TEST_F(InputTest, MouseMoveReachesTheControlUnderThePointer)
{
    std::vector<MouseEvent> moves;
    button->onMouseMove = [&](const MouseEvent& e) { moves.push_back(e); };
    QTest::mouseMove(window(), QPoint(40 + 13, 9));
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].x, 3);
    EXPECT_EQ(moves[0].y, 4);
    EXPECT_EQ(moves[0].button, 0);
}

TEST_F(InputTest, ClickFocusesAnIndicatorAndItsKeysArriveAsCharacterCodes)
{
    QTest::mouseClick(window(), Qt::LeftButton, {}, QPoint(40 + 20, 15));
    EXPECT_EQ(form.focusedControl(), button);
    log.clear();
    QTest::keyClick(window(), Qt::Key_A);
    QTest::keyClick(window(), Qt::Key_Return);
    QTest::keyClick(window(), Qt::Key_Left);
    QTest::keyClick(window(), Qt::Key_Delete);
    QTest::keyClick(window(), Qt::Key_Backspace);
    EXPECT_EQ(log, (std::vector<std::string>{"RoomStatus(0) key 97", "RoomStatus(0) key 13", "RoomStatus(0) key 8"}));
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
    panel->widgetFor(*button)->setFocus();
    EXPECT_EQ(form.focusedControl(), button);
    other->setFocus();
    EXPECT_EQ(form.focusedControl(), nullptr);
}

TEST_F(InputTest, ErrorInAHandlerIsLoggedAndInputGoesOn)
{
    testing::WarningLog warnings;
    int clicks = 0;
    button->onClick = [&] {
        ++clicks;
        throw std::runtime_error("voice client gone");
    };
    QTest::mouseClick(window(), Qt::LeftButton, {}, QPoint(40 + 20, 15));
    QTest::mouseClick(window(), Qt::LeftButton, {}, QPoint(40 + 20, 15), 1000);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(warnings.contains("click on RoomStatus(0) failed: voice client gone"));
}

} // namespace
} // namespace norvo::qt
