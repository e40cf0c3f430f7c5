#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "support/ChangeCounter.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

namespace norvo {
namespace {

struct ControlTree : ::testing::Test {
    ControlTree()
    {
        auto& room = form.addChild(std::make_unique<Frame>("Room", 2));
        status = &room.addChild(std::make_unique<PictureBox>("RoomStatus", 2));
        form.addChild(std::make_unique<PictureBox>("RoomStatus", 0));
        caption = &form.addChild(std::make_unique<Label>("Freq", 1));
    }
    Form form{"TOKA"};
    PictureBox* status = nullptr;
    Label* caption = nullptr;
};

TEST_F(ControlTree, FindsControlsByNameAndIndexAtAnyDepth)
{
    EXPECT_EQ(&form.at("RoomStatus", 2), status);
    EXPECT_EQ(form.at("RoomStatus", 2).reference(), "RoomStatus(2)");
    EXPECT_EQ(form.find("RoomStatus", 1), nullptr);
    EXPECT_THROW(form.at("RoomStatus", 1), NoSuchControl);
    EXPECT_THROW(form.get<Label>("RoomStatus", 2), NoSuchControl);
    const auto elements = form.array("RoomStatus");
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_EQ(elements[0]->index(), 0);
    EXPECT_EQ(elements[1]->index(), 2);
}

TEST_F(ControlTree, UnchangedValueNotifiesNothing)
{
    testing::ChangeCounter paints(form);
    status->setBackColor(0x00C000);
    status->setBackColor(0x00C000);
    caption->setCaption("COMM2");
    caption->setCaption("COMM2");
    caption->setFontSize(caption->font().size);
    status->setAccessibleDescription("On");
    status->setAccessibleDescription("On");
    status->setCheckState(CheckState::Checked);
    status->setCheckState(CheckState::Checked);
    EXPECT_EQ(paints.count(), 4u);
    EXPECT_EQ(paints.changes[0].second, Property::BackColor);
    EXPECT_EQ(paints.changes[1].first, caption);
    EXPECT_EQ(paints.changes[2].second, Property::AccessibleDescription);
    EXPECT_EQ(paints.changes[3].second, Property::CheckState);
}

TEST_F(ControlTree, ObserverOfAControlSeesOnlyItsSubtree)
{
    testing::ChangeCounter roomPaints(form.at("Room", 2));
    status->setToolTipText("Connected");
    caption->setToolTipText("EDDF : info");
    EXPECT_EQ(roomPaints.count(), 1u);
    EXPECT_EQ(roomPaints.count(*status), 1u);
    // A child that joins after the observer is heard as well.
    auto& joined = form.at("Room", 2).addChild(std::make_unique<PictureBox>("RoomSendActivity", 2));
    joined.setBackColor(0x00C000);
    EXPECT_EQ(roomPaints.count(joined), 1u);
}

// An observer that runs something the first time it is told.
struct ActingObserver : ControlObserver {
    explicit ActingObserver(std::function<void()> act = {})
        : act(std::move(act))
    {
    }
    void controlChanged(Control&, Property) override
    {
        ++told;
        if (auto once = std::exchange(act, {}))
            once();
    }
    std::function<void()> act;
    int told = 0;
};

// One that leaves is told nothing more, not even of the change under way;
// one that arrives hears from the next change on.
TEST_F(ControlTree, ObserversMayLeaveAndArriveWhileTheyAreTold)
{
    ActingObserver leaving;
    ActingObserver arriving;
    ActingObserver first([&] {
        form.removeObserver(&leaving);
        form.addObserver(&arriving);
        form.removeObserver(&first);
    });
    for (ActingObserver* observer : {&first, &leaving})
        form.addObserver(observer);
    status->setBackColor(0x00C000);
    caption->setCaption("COMM2");
    EXPECT_EQ(first.told, 1);
    EXPECT_EQ(leaving.told, 0);
    EXPECT_EQ(arriving.told, 1);
    form.removeObserver(&arriving);
}

TEST_F(ControlTree, HidingAContainerHidesItsChildrenButKeepsTheirFlags)
{
    form.at("Room", 2).setVisible(false);
    EXPECT_TRUE(status->visible());
    EXPECT_FALSE(status->shownOnScreen());
}

TEST_F(ControlTree, ResizeHandlerRunsOnceForASizeChange)
{
    int resizes = 0;
    form.onResize = [&] { ++resizes; };
    form.setSize(535, 21);
    form.setSize(535, 21);
    form.setWidth(600);
    EXPECT_EQ(resizes, 2);
}

TEST_F(ControlTree, FocusStaysOnTheFormItBelongsTo)
{
    int moves = 0;
    form.focusChanged.connect([&] { ++moves; });
    form.setFocus(caption);
    form.setFocus(caption);
    EXPECT_EQ(form.focusedControl(), caption);
    Form other("Other");
    auto& stranger = other.addChild(std::make_unique<Label>("Stranger"));
    EXPECT_THROW(form.setFocus(&stranger), NoSuchControl);
    form.setFocus(nullptr);
    EXPECT_EQ(form.focusedControl(), nullptr);
    EXPECT_EQ(moves, 2);
}

TEST_F(ControlTree, TabOrderFollowsTabIndexAcrossContainers)
{
    caption->setTabIndex(0);
    status->setTabIndex(2);
    form.at("Room", 2).setTabIndex(1);
    const auto order = form.tabOrder();
    ASSERT_EQ(order.size(), 3u);
    EXPECT_EQ(order[0], caption);
    EXPECT_EQ(order[1]->reference(), "Room(2)");
    EXPECT_EQ(order[2], status);
}

TEST_F(ControlTree, InputReachesOnlyARoutedHandler)
{
    int clicks = 0;
    MouseEvent pressed;
    status->onClick = [&] { ++clicks; };
    caption->onMouseDown = [&](const MouseEvent& e) { pressed = e; };
    status->click();
    status->dblClick();
    caption->click();
    caption->mouseDown({RightButton, 0, 3, 4});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(pressed.button, RightButton);
}

} // namespace
} // namespace norvo
