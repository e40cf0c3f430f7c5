#include "platform/ComboBox.h"
#include "support/ChangeCounter.h"

#include <gtest/gtest.h>

namespace norvo {
namespace {

TEST(ComboBox, ItemListInsertsAppendsAndRemoves)
{
    ComboBox box("FreqInfo", 2);
    box.addItem("A");
    box.addItem("C");
    box.addItem("B", 1);
    box.addItem("Z", 0);
    EXPECT_EQ(box.items(), (std::vector<std::string>{"Z", "A", "B", "C"}));
    box.removeItem(0);
    EXPECT_EQ(box.listCount(), 3);
    EXPECT_EQ(box.list(2), "C");
    EXPECT_THROW(box.list(3), std::out_of_range);
    EXPECT_THROW(box.removeItem(-1), std::out_of_range);
    EXPECT_THROW(box.addItem("X", 5), std::out_of_range);
}

TEST(ComboBox, MovingAnItemIsOneChangeAndToItsOwnPlaceNone)
{
    ComboBox box("FreqInfo", 2);
    for (const char* item : {"A", "B", "C", "D"})
        box.addItem(item);
    testing::ChangeCounter paints(box);
    box.moveItem(2, 0);
    EXPECT_EQ(box.items(), (std::vector<std::string>{"C", "A", "B", "D"}));
    box.moveItem(0, 3);
    EXPECT_EQ(box.items(), (std::vector<std::string>{"A", "B", "D", "C"}));
    box.moveItem(1, 1);
    EXPECT_EQ(paints.count(), 2u);
    EXPECT_THROW(box.moveItem(4, 0), std::out_of_range);
    EXPECT_THROW(box.moveItem(0, -1), std::out_of_range);
}

TEST(ComboBox, SelectionStaysInsideTheText)
{
    ComboBox box("FreqInfo", 2);
    box.setText("EDDF_TWR");
    box.setSelStart(8);
    EXPECT_THROW(box.setSelStart(9), std::out_of_range);
    box.setSelStart(2);
    box.setSelLength(6);
    EXPECT_THROW(box.setSelLength(7), std::out_of_range);
    box.setText("LFPG");
    EXPECT_EQ(box.selStart(), 2);
    EXPECT_EQ(box.selLength(), 2);
}

TEST(ComboBox, SelectionCountsCharactersNotBytes)
{
    ComboBox box("FreqInfo", 2);
    box.setText("Zürich");
    EXPECT_NO_THROW(box.setSelStart(6));
    EXPECT_THROW(box.setSelStart(7), std::out_of_range);
}

TEST(ComboBox, ResettingTheCaretToWhereItIsNotifiesNothing)
{
    ComboBox box("FreqInfo", 2);
    testing::ChangeCounter paints(box);
    box.setSelStart(0);
    box.setSelLength(0);
    box.clear();
    EXPECT_EQ(paints.count(), 0u);
}

} // namespace
} // namespace norvo
