#include "QtTestSupport.h"

#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "qt/ComboBoxWidget.h"
#include "qt/FormView.h"
#include "support/ChangeCounter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace norvo::qt {
namespace {

struct ComboBoxWidgetTest : ::testing::Test {
    ComboBoxWidgetTest()
    {
        form.setSize(160, 20);
        combo = &form.addChild(std::make_unique<ComboBox>("FreqInfo", 2));
        combo->setGeometry(0, 0, 141, 20);
        combo->setForeColor(0x008080);
        combo->setFont(Font{"Verdana", 6.75, false});
        combo->addItem("EDDF_TWR");
        combo->addItem("LFPG_APP");
        combo->onKeyPress = [this](std::int16_t& key) {
            keys.push_back(key);
            if (key == 'x')
                key = 0;
            else if (key >= 'a' && key <= 'z')
                key = static_cast<std::int16_t>(key - 'a' + 'A');
        };
        combo->onClick = [this] { clickedWithText.push_back(combo->text()); };
        view = std::make_unique<FormView>(form);
        testing::showAndExpose(*view);
        box().setFocus();
    }

    QComboBox& box() { return static_cast<ComboBoxWidget*>(view->widgetFor(*combo))->box(); }

    Form form{"TOKA"};
    ComboBox* combo = nullptr;
    std::vector<std::int16_t> keys;
    std::vector<std::string> clickedWithText;
    std::unique_ptr<FormView> view;
};

TEST_F(ComboBoxWidgetTest, TypingReachesTheKeyHandlerThenTheModelText)
{
    QTest::keyClicks(&box(), "ED1");
    EXPECT_EQ(keys, (std::vector<std::int16_t>{'E', 'D', '1'}));
    EXPECT_EQ(combo->text(), "ED1");
    EXPECT_EQ(combo->selStart(), 3);
    EXPECT_EQ(combo->selLength(), 0);
    EXPECT_EQ(form.focusedControl(), combo);
}

TEST_F(ComboBoxWidgetTest, KeyHandlerCanReplaceOrCancelAKey)
{
    QTest::keyClicks(&box(), "axb");
    EXPECT_EQ(keys, (std::vector<std::int16_t>{'a', 'x', 'b'}));
    EXPECT_EQ(combo->text(), "AB");
    EXPECT_EQ(box().lineEdit()->text(), QStringLiteral("AB"));
}

TEST_F(ComboBoxWidgetTest, EnterReachesTheHandlerAndLeavesTheListAlone)
{
    QTest::keyClicks(&box(), "K");
    QTest::keyClick(&box(), Qt::Key_Return);
    EXPECT_EQ(keys, (std::vector<std::int16_t>{'K', 13}));
    EXPECT_EQ(box().count(), 2);
    EXPECT_EQ(combo->listCount(), 2);
    EXPECT_EQ(combo->text(), "K");
}

TEST_F(ComboBoxWidgetTest, PickingAnItemSetsTheTextThenClicks)
{
    QTest::keyClick(&box(), Qt::Key_Down);
    EXPECT_EQ(clickedWithText, std::vector<std::string>{"EDDF_TWR"});
    EXPECT_EQ(combo->text(), "EDDF_TWR");
}

TEST_F(ComboBoxWidgetTest, ModelStateIsShownWithoutBeingWrittenBack)
{
    norvo::testing::ChangeCounter changes(form);
    combo->setText("EGLL_GND");
    combo->setSelStart(2);
    combo->setSelLength(3);
    combo->addItem("EGLL_GND", 0);
    EXPECT_EQ(changes.count(), 4u);
    QLineEdit& edit = *box().lineEdit();
    EXPECT_EQ(edit.text(), QStringLiteral("EGLL_GND"));
    EXPECT_EQ(edit.selectionStart(), 2);
    EXPECT_EQ(edit.selectedText(), QStringLiteral("LL_"));
    ASSERT_EQ(box().count(), 3);
    EXPECT_EQ(box().itemText(0), QStringLiteral("EGLL_GND"));
    EXPECT_EQ(box().itemText(2), QStringLiteral("LFPG_APP"));
}

TEST_F(ComboBoxWidgetTest, UserSelectionReachesTheModelInCharacters)
{
    combo->setText("Z\xC3\xBCrich");
    box().lineEdit()->setSelection(1, 3);
    EXPECT_EQ(combo->selStart(), 1);
    EXPECT_EQ(combo->selLength(), 3);
}

} // namespace
} // namespace norvo::qt
