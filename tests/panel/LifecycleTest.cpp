#include "PanelFixture.h"

#include "labels/UserLabel.h"

namespace norvo::testing {
namespace {

using Lifecycle = PanelTest;

TEST_F(Lifecycle, StartUpLoadsChannelsUnbindsThenAttaches)
{
    EXPECT_EQ(voice.eventSink(), panel.get());
    EXPECT_TRUE(calls().empty()); // building the form calls nothing outside
    settings.SaveSetting("NORVOUITOKA", "PRIVATE", "CHANNEL0", "EDDF_TWR");

    panel->Initialize();
    EXPECT_EQ(calls(),
        (Lines{"Norvo.LockMainPilotUser(0) = False", "Norvo.LockMainPilotUser(0) = False", "Norvo.Attach()",
            "Norvo.BeginUpdates()", "Norvo.RequestRefresh()"}));
    EXPECT_EQ(freeChannel().items(), Lines{"EDDF_TWR"});
    for (int k = 0; k < 3; ++k)
        EXPECT_FALSE(control("Room", k).visible());
    EXPECT_FALSE(control("RecvActivity").visible());
    EXPECT_FALSE(control("SendActivity").visible());
    EXPECT_FALSE(control("GeneralSpeaker").visible());
    EXPECT_EQ(panel->fields(), TokaFields{});

    panel.reset();
    EXPECT_EQ(calls(), Lines{"Norvo.Detach()"});
    EXPECT_EQ(voice.eventSink(), nullptr);
}

TEST_F(Lifecycle, PanelNeverStartedIsNotShutDown)
{
    panel.reset();
    EXPECT_TRUE(calls().empty());
}

TEST_F(Lifecycle, ShutdownDeletesOnlyARegionTheWindowRefused)
{
    windows.setAcceptsRegions(false);
    panel->HostinghWnd(100);
    panel->resize(535, 21);
    panel->Initialize();
    calls();
    panel->Terminate();
    panel->Terminate();
    EXPECT_EQ(calls(), (Lines{"Norvo.Detach()", "Win.DeleteObject(1)"}));

    auto accepted = makePanel();
    windows.setAcceptsRegions(true);
    accepted->HostinghWnd(100);
    accepted->resize(535, 21);
    calls();
    accepted->Terminate();
    EXPECT_EQ(calls(), Lines{"Norvo.Detach()"});
}

TEST_F(Lifecycle, ShutdownIgnoresAFailingDetach)
{
    panel->Initialize();
    calls();
    voice.failNext("Detach");
    EXPECT_NO_THROW(panel->Terminate());
    panel.reset();
    EXPECT_EQ(calls(), Lines{"Norvo.Detach() failed"});
}

class SizingSide : public PanelTest, public ::testing::WithParamInterface<std::int32_t> { };

TEST_P(SizingSide, SizesToTheQuitButtonAndTheFirstRow)
{
    panel->HostinghWnd(100);
    std::int32_t width = 0;
    std::int32_t height = 0;
    EXPECT_TRUE(panel->Sizing(GetParam(), width, height));
    EXPECT_EQ(width, 535);
    EXPECT_EQ(height, 21);
    EXPECT_EQ(panel->Width(), 535 * 15);
    EXPECT_EQ(panel->Height(), 21 * 15);
    // Width and height are set one after the other: two resizes.
    EXPECT_EQ(calls(),
        (Lines{"Win.CreateRoundRectRgn(0, 0, 535, 242, 22, 22) = 1", "Win.SetWindowRgn(100, 1, True) = True",
            "Win.CreateRoundRectRgn(0, 0, 535, 21, 22, 22) = 2", "Win.SetWindowRgn(100, 2, True) = True"}));
    EXPECT_EQ(panel->fields().WindowRegion, 2);

    EXPECT_TRUE(panel->Sizing(GetParam(), width, height));
    EXPECT_TRUE(calls().empty());
}

INSTANTIATE_TEST_SUITE_P(AnySide, SizingSide, ::testing::Values(0, 1, 2, 8, -1));

TEST_F(Lifecycle, ResizeReplacesOnlyARegionTheWindowRefused)
{
    panel->resize(300, 20);
    panel->HostinghWnd(100);
    panel->resize(301, 20);
    panel->resize(302, 20);
    panel->resize(302, 20);
    EXPECT_EQ(calls(),
        (Lines{"Win.CreateRoundRectRgn(0, 0, 300, 20, 22, 22) = 1", "Win.SetWindowRgn(0, 1, True) = False",
            "Win.DeleteObject(1)", "Win.CreateRoundRectRgn(0, 0, 301, 20, 22, 22) = 2",
            "Win.SetWindowRgn(100, 2, True) = True", "Win.CreateRoundRectRgn(0, 0, 302, 20, 22, 22) = 3",
            "Win.SetWindowRgn(100, 3, True) = True"}));
    EXPECT_EQ(panel->fields().WindowRegion, 3);
}

TEST_F(Lifecycle, HostQuestionsHaveFixedAnswersButCanDeactivateFollowsTheFocus)
{
    EXPECT_EQ(&panel->Dockframe(), &dock);
    EXPECT_FALSE(panel->Activated());
    EXPECT_FALSE(panel->HasTitle());
    EXPECT_FALSE(panel->Sizeable());
    EXPECT_TRUE(panel->Closeable());
    EXPECT_TRUE(panel->CanDeactivate());
    panel->form().setFocus(&freeChannel());
    EXPECT_FALSE(panel->CanDeactivate());
    panel->form().setFocus(&control("RoomStatus", 2));
    EXPECT_TRUE(panel->CanDeactivate());
}

class QuitButton : public PanelTest, public ::testing::WithParamInterface<bool> { };

TEST_P(QuitButton, FlashesThenClosesThroughTheHostOrRaisesQuit)
{
    const bool hosted = GetParam();
    dock.setHosted(hosted);
    int quits = 0;
    panel->Quit.connect([&] { ++quits; });
    auto& quit = control<UserLabel>("btnQuit");

    quit.lblCaption().click();
    EXPECT_EQ(quit.Status(), 4);
    EXPECT_EQ(calls(),
        (hosted ? Lines{"DKF.IsHosted() = True", "DKF.ClosePanel(\"NorvoUITOKA.TOKA\")"}
                : Lines{"DKF.IsHosted() = False"}));
    EXPECT_EQ(quits, hosted ? 0 : 1);
    clock.advance(300);
    EXPECT_EQ(quit.Status(), 5);
}

INSTANTIATE_TEST_SUITE_P(HostedOrNot, QuitButton, ::testing::Bool());

struct Place {
    const char* name;
    int index;
};

class DragSurface : public PanelTest, public ::testing::WithParamInterface<Place> { };

TEST_P(DragSurface, AnyButtonMovesTheHostWindow)
{
    Control& surface
        = GetParam().name == std::string("TOKA") ? panel->form() : control(GetParam().name, GetParam().index);
    surface.mouseDown({RightButton, 0, 3, 4});
    EXPECT_TRUE(calls().empty()); // no host window yet
    panel->HostinghWnd(100);
    surface.mouseDown({MiddleButton, 1, 0, 0});
    EXPECT_EQ(
        calls(), (Lines{"Win.DoEvents()", "Win.ReleaseCapture()", "Win.SendMessage(100, 161, 2)", "Win.DoEvents()"}));
}

INSTANTIATE_TEST_SUITE_P(Surfaces, DragSurface,
    ::testing::Values(Place{"TOKA", -1}, Place{"channel", 0}, Place{"channel", 2}, Place{"Freq", 1},
        Place{"RoomRecvActivity", 0}, Place{"RoomSendActivity", 2}, Place{"RecvActivity", -1},
        Place{"SendActivity", -1}, Place{"VATSIMWarning", -1}));

TEST_F(Lifecycle, RoomFramesButtonsAndLabel2DoNotDrag)
{
    panel->HostinghWnd(100);
    for (const auto& [name, index] : {Place{"Room", 0}, Place{"Room", 2}, Place{"Label2", -1}, Place{"RoomStatus", 1},
             Place{"COMReceive", 0}, Place{"FreqInfo", 2}, Place{"btnQuit", -1}, Place{"GeneralSpeaker", -1}})
        control(name, index).mouseDown({LeftButton, 0, 1, 1});
    control<UserLabel>("btnQuit").lblCaption().mouseDown({});
    EXPECT_TRUE(calls().empty());
}

} // namespace
} // namespace norvo::testing
