#include "PanelFixture.h"

#include "platform/Form.h"
#include "skin/Skin.h"

namespace norvo::testing {
namespace {

using PanelForm = PanelTest;

struct Placement {
    const char* name;
    int index;
    const char* container;
    ControlKind kind;
    std::int32_t left, top, width, height;
    Colour back;
    const char* toolTip;
};

class ControlPlacement : public PanelTest, public ::testing::WithParamInterface<Placement> { };

TEST_P(ControlPlacement, SitsWhereDesigned)
{
    const Placement& p = GetParam();
    Control& c = control(p.name, p.index);
    EXPECT_EQ(c.parent()->reference(), p.container);
    EXPECT_EQ(c.kind(), p.kind);
    EXPECT_EQ(c.left(), p.left);
    EXPECT_EQ(c.top(), p.top);
    EXPECT_EQ(c.width(), p.width);
    EXPECT_EQ(c.height(), p.height);
    if (p.kind != ControlKind::UserLabel && p.kind != ControlKind::UserLabelGraph) {
        EXPECT_EQ(c.backColor(), p.back);
        EXPECT_EQ(c.toolTipText(), p.toolTip);
    }
}

using K = ControlKind;
INSTANTIATE_TEST_SUITE_P(Tree, ControlPlacement,
    ::testing::Values(Placement{"GeneralSpeaker", -1, "TOKA", K::UserLabelGraph, 489, 3, 18, 15, 0, ""},
        Placement{"btnQuit", -1, "TOKA", K::UserLabel, 510, 3, 25, 14, 0, ""},
        Placement{"channel", 2, "TOKA", K::Frame, 266, 0, 220, 20, 0, ""},
        Placement{"SendActivity", -1, "TOKA", K::Label, 0, 0, 7, 72, 0x800080, "Voice Emission Activity"},
        Placement{"Label2", -1, "TOKA", K::Label, 510, 0, 41, 50, 0xC0C000, ""},
        Placement{"Room", 1, "channel(1)", K::Frame, 69, 0, 51, 20, 0, ""},
        Placement{"COMReceive", 0, "channel(0)", K::PictureBox, 62, 0, 8, 20, 0x004080, "COM Receive and mute"},
        Placement{"RoomRecvActivity", 0, "Room(0)", K::PictureBox, 0, 0, 21, 7, 0x0080FF, "Voice Reception Activity"},
        Placement{"RoomStatus", 0, "Room(0)", K::PictureBox, 0, 6, 21, 8, 0x0000FF, "Connection"},
        Placement{"RoomSendActivity", 1, "Room(1)", K::PictureBox, 0, 13, 21, 7, 0x00C000, "Voice Reception Activity"},
        Placement{"ToSpeaker", 1, "Room(1)", K::UserLabelGraph, 32, 3, 18, 15, 0, ""},
        Placement{"VATSIMWarning", -1, "channel(2)", K::Label, 2, 4, 217, 14, 0, ""},
        Placement{"FreqInfo", 2, "Room(2)", K::ComboBox, 0, 0, 141, 20, 0, ""},
        Placement{"COMTransmit", 2, "Room(2)", K::PictureBox, 141, 0, 8, 20, 0x00C000, "Transmit mute"},
        Placement{
            "RoomSendActivity", 2, "Room(2)", K::PictureBox, 170, 9, 21, 11, 0x00C000, "Voice Reception Activity"},
        Placement{"PriorityChannel", 2, "Room(2)", K::PictureBox, 190, 0, 11, 20, 0x00C000, "Channel Prioritary"}));

TEST_F(PanelForm, RootIsBlackAtItsDesignSize)
{
    EXPECT_EQ(panel->form().backColor(), 0u);
    EXPECT_EQ(panel->Width(), 656 * 15);
    EXPECT_EQ(panel->Height(), 242 * 15);
}

TEST_F(PanelForm, TextsFontsAndColours)
{
    auto& freq = control<Label>("Freq", 1);
    EXPECT_EQ(freq.caption(), "COMM2");
    EXPECT_EQ(freq.alignment(), Alignment::Center);
    EXPECT_EQ(freq.foreColor(), 0x008080u);
    EXPECT_EQ(freq.font(), Font{});
    auto& warning = control<Label>("VATSIMWarning");
    EXPECT_EQ(warning.caption(), "VATSIM Voice only works connected to VATSIM");
    EXPECT_TRUE(warning.transparent());
    EXPECT_EQ(warning.foreColor(), 0xFFFFFFu);
    EXPECT_EQ(warning.alignment(), Alignment::Center);
    EXPECT_EQ(warning.font(), (Font{"Verdana", 6, false}));
    EXPECT_EQ(freeChannel().font(), (Font{"Verdana", 6.75, false}));
    EXPECT_EQ(freeChannel().foreColor(), 0x008080u);
    EXPECT_EQ(control("channel", 0).foreColor(), SystemWindowText);
    EXPECT_EQ(control("RoomStatus", 2).foreColor(), SystemWindowText);
    EXPECT_EQ(panel->form().find("FreqInfo", 0), nullptr);
    EXPECT_EQ(panel->form().find("Freq", 2), nullptr);
}

TEST_F(PanelForm, TabOrderFollowsTheDesign)
{
    Lines order;
    for (Control* c : panel->form().tabOrder())
        order.push_back(c->reference());
    EXPECT_EQ(order,
        (Lines{"Label2", "channel(0)", "COMReceive(0)", "COMTransmit(0)", "Freq(0)", "channel(1)", "COMTransmit(1)",
            "COMReceive(1)", "Freq(1)", "Room(0)", "RoomSendActivity(0)", "RoomRecvActivity(0)", "RoomStatus(0)",
            "Room(1)", "RoomStatus(1)", "RoomRecvActivity(1)", "RoomSendActivity(1)", "SendActivity", "RecvActivity",
            "channel(2)", "PriorityChannel(0)", "PriorityChannel(1)", "VATSIMWarning", "Room(2)", "RoomSendActivity(2)",
            "RoomRecvActivity(2)", "RoomStatus(2)", "COMTransmit(2)", "COMReceive(2)", "PriorityChannel(2)",
            "FreqInfo(2)", "ToSpeaker(0)", "ToSpeaker(1)", "ToSpeaker(2)", "GeneralSpeaker", "btnQuit"}));
}

TEST_F(PanelForm, FirstListedControlOfAContainerIsOnTop)
{
    const auto stack = [](const Control& container) {
        Lines names;
        for (const auto& child : container.children())
            names.push_back(child->reference());
        return names;
    };
    EXPECT_EQ(stack(panel->form()),
        (Lines{"Label2", "SendActivity", "RecvActivity", "btnQuit", "channel(0)", "channel(1)", "channel(2)",
            "GeneralSpeaker"}));
    EXPECT_EQ(stack(control("channel", 2)), (Lines{"VATSIMWarning", "Room(2)"}));
    EXPECT_EQ(stack(control("Room", 0)),
        (Lines{"ToSpeaker(0)", "RoomSendActivity(0)", "RoomStatus(0)", "RoomRecvActivity(0)", "PriorityChannel(0)"}));
}

TEST_F(PanelForm, SkinnedLabelsComeUpAsStored)
{
    auto& quit = control<UserLabel>("btnQuit");
    EXPECT_EQ(quit.Caption(), "x");
    EXPECT_EQ(quit.Status(), 5);
    EXPECT_EQ(quit.ToolTipTextEx(), "ok");
    EXPECT_FALSE(quit.HandCursor());
    EXPECT_EQ(quit.mousePointer(), 0);
    EXPECT_EQ(quit.shpCaption().fillColor(), Skin::SkinColours[16]);

    auto& general = control<UserLabelGraph>("GeneralSpeaker");
    EXPECT_EQ(general.Style(), 6);
    EXPECT_EQ(general.Status(), 0);
    EXPECT_EQ(general.ToolTipTextEx(), "All Channels to Speaker");
    EXPECT_EQ(general.SpriteRect(), (Rect{174, 0, 18, 16}));
    auto& speaker = control<UserLabelGraph>("ToSpeaker", 2);
    EXPECT_EQ(speaker.ToolTipTextEx(), "Voice to Speaker");
    EXPECT_EQ(speaker.SpriteRect(), (Rect{174, 0, 18, 16}));
    EXPECT_FALSE(speaker.HandCursor());
}

TEST_F(PanelForm, WithRoomsHiddenTheRadioRowsAndTheWarningStay)
{
    panel->Initialize();
    EXPECT_TRUE(control("VATSIMWarning").shownOnScreen());
    EXPECT_FALSE(freeChannel().shownOnScreen());
    EXPECT_FALSE(control("RoomStatus", 0).shownOnScreen());
    for (int k = 0; k < 2; ++k) {
        EXPECT_TRUE(control("Freq", k).shownOnScreen());
        EXPECT_TRUE(control("COMReceive", k).shownOnScreen());
        EXPECT_TRUE(control("COMTransmit", k).shownOnScreen());
    }
}

} // namespace
} // namespace norvo::testing
