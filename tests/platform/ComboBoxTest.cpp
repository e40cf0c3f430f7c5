#include "platform/ComboBox.h"
#include "support/ChangeCounter.h"

#include <gtest/gtest.h>

namespace norvo {
namespace {

TEST(ComboBox, OnlyADifferentListIsAChange)
{
    ComboBox box("FreqInfo", 2);
    testing::ChangeCounter changes(box);
    box.setItems({"A", "B"});
    box.setItems({"A", "B"});
    EXPECT_EQ(changes.count(), 1u);
    box.setItems({"B", "A"});
    EXPECT_EQ(changes.count(), 2u);
    // A shared list of the same items is shown without a copy, and no change.
    const auto shared = std::make_shared<const std::vector<std::string>>(box.items());
    box.shareItems(shared);
    EXPECT_EQ(&box.items(), shared.get());
    EXPECT_EQ(changes.count(), 2u);
    EXPECT_EQ(box.listCount(), 2);
    EXPECT_EQ(box.list(1), "A");
    EXPECT_THROW(box.list(2), std::out_of_range);
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
    box.setItems({});
    EXPECT_EQ(paints.count(), 0u);
}

} // namespace
} // namespace norvo
