#include "SampleForm.h"

#include "qt/widgets/ComboBoxWidget.h"
#include "support/ChangeCounter.h"

#include <QComboBox>
#include <QLineEdit>

#include <functional>
#include <string>
#include <vector>

namespace norvo::qt {
namespace {

using testing::colourAt;
using testing::render;
using testing::SampleForm;
using Lines = std::vector<std::string>;

// The room name box with the focus; its key handler cancels 'x' and types
// other small letters as capitals.
struct ComboBoxTest : SampleForm {
    ComboBoxTest()
    {
        combo.setItems({"EDDF_TWR", "LFPG_APP"});
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

// Whoever selected the text (the model, Ctrl+A, the focus coming in by
// Tab), what is typed over it replaces it whole and keeps every letter.
TEST_F(ComboBoxTest, TypingOverASelectionKeepsEveryLetter)
{
    const std::function<void()> selections[] = {[&] { combo.setSelLength(8); },
        [&] { QTest::sendKeyEvent(QTest::Click, &box(), Qt::Key_A, QStringLiteral("\x01"), Qt::ControlModifier); },
        [&] { edit().selectAll(); }};
    for (const auto& select : selections) {
        combo.setText("EGLL_TWR");
        combo.setSelStart(0);
        select();
        ASSERT_EQ(edit().selectedText(), QStringLiteral("EGLL_TWR"));
        QTest::keyClicks(&box(), "kjfk");
        EXPECT_EQ(combo.text(), "KJFK");
        EXPECT_EQ(edit().text(), QStringLiteral("KJFK"));
        EXPECT_EQ(combo.selStart(), 4);
        EXPECT_EQ(combo.selLength(), 0);
    }
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
    combo.setItems({"EGLL_GND", "EDDF_TWR", "LFPG_APP"});
    combo.setItems({"LFPG_APP", "EDDF_TWR", "EDDF_TWR"});
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
    combo.setItems({"EGLL_GND", "EDDF_TWR", "LFPG_APP"});
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
