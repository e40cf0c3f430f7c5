#include "panel/DockedWindow.h"

#include "panel/TOKA.h"
#include "platform/CheckedMath.h"
#include "skin/Skin.h"

namespace norvo {

void DockedWindow::Sizing(std::int32_t& width, std::int32_t& height)
{
    const auto panelWidth = [&] { return checkedAdd(c_.btnQuit->left(), c_.btnQuit->width()); };
    const auto panelHeight = [&] { return checkedAdd(checkedAdd(c_.channel[0]->top(), c_.channel[0]->height()), 1); };
    width = panelWidth();
    height = panelHeight();
    // Each of the two changes runs the resize handler.
    form_.setWidth(width);
    form_.setHeight(height);
    if (region_ == 0)
        applyRoundRegion(panelWidth(), panelHeight());
}

void DockedWindow::UserControl_Resize()
{
    releaseRegion();
    applyRoundRegion(form_.width(), form_.height());
}

void DockedWindow::dragHostWindow() { Skin::DragWindow(windows_, hostWindow_); }

void DockedWindow::btnQuit_Click()
{
    UserLabel& quit = *c_.btnQuit;
    quit.BlinkStop();
    quit.Blink(4, 2);
    if (dockFrame_.IsHosted())
        dockFrame_.ClosePanel(TOKA::ProgID);
    else
        quit_();
}

void DockedWindow::releaseRegion()
{
    if (!regionAccepted_)
        Skin::DeleteRegion(windows_, region_);
}

void DockedWindow::applyRoundRegion(std::int32_t width, std::int32_t height)
{
    const Skin::RoundRegion region = Skin::SetRoundRegion(windows_, hostWindow_, width, height);
    region_ = region.handle;
    regionAccepted_ = region.accepted;
}

} // namespace norvo
