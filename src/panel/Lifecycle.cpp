#include "panel/TokaControls.h"
#include "platform/CheckedMath.h"
#include "skin/Skin.h"

namespace norvo {

TOKA::TOKA(const TokaEnvironment& environment)
    : env_(environment)
    , form_(std::make_unique<Form>("TOKA"))
    , controls_(std::make_unique<Controls>())
{
    buildForm();
    // Installed after the design size is set: building the form is no resize.
    form_->onResize = [this] { UserControl_Resize(); };
    env_.voice.setEventSink(this);
}

TOKA::~TOKA()
{
    if (initialized_ && !terminated_)
        Terminate();
    try {
        env_.voice.setEventSink(nullptr);
    } catch (...) {
    }
}

void TOKA::Initialize()
{
    // Counted as run from its first step, so that a start-up that failed half
    // way is still shut down.
    initialized_ = true;
    loadChannels();
    Norvo_Disconnected();
    env_.voice.Attach();
    env_.voice.BeginUpdates();
    env_.voice.RequestRefresh();
}

void TOKA::Terminate() noexcept
{
    if (terminated_)
        return;
    terminated_ = true;
    // Each step is tried whatever the one before it did.
    try {
        env_.voice.Detach();
    } catch (...) {
    }
    try {
        if (!regionAccepted_)
            Skin::DeleteRegion(env_.windows, fields_.WindowRegion);
    } catch (...) {
    }
}

DockFrame& TOKA::Dockframe() { return env_.dockFrame; }

void TOKA::HostinghWnd(std::int32_t window) { fields_.HostinghWnd = window; }

bool TOKA::CanDeactivate() const
{
    // The user may be typing a room name.
    const Control* focused = form_->focusedControl();
    return !focused || focused->name() != "FreqInfo";
}

bool TOKA::Sizing(std::int32_t, std::int32_t& pWidth, std::int32_t& pHeight)
{
    const Controls& c = *controls_;
    const auto width = [&] { return checkedAdd(c.btnQuit->left(), c.btnQuit->width()); };
    const auto height = [&] { return checkedAdd(checkedAdd(c.channel[0]->top(), c.channel[0]->height()), 1); };
    pWidth = width();
    pHeight = height();
    // Each of the two changes runs the resize handler.
    form_->setWidth(pWidth);
    form_->setHeight(pHeight);
    if (fields_.WindowRegion == 0)
        applyRoundRegion(width(), height());
    return true;
}

std::int32_t TOKA::Width() const { return checkedMul(form_->width(), TwipsPerPixel); }

std::int32_t TOKA::Height() const { return checkedMul(form_->height(), TwipsPerPixel); }

void TOKA::resize(std::int32_t widthPixels, std::int32_t heightPixels) { form_->setSize(widthPixels, heightPixels); }

void TOKA::UserControl_Resize()
{
    // A region the window accepted is the window system's to discard.
    if (!regionAccepted_)
        Skin::DeleteRegion(env_.windows, fields_.WindowRegion);
    applyRoundRegion(form_->width(), form_->height());
}

void TOKA::applyRoundRegion(std::int32_t width, std::int32_t height)
{
    const Skin::RoundRegion region = Skin::SetRoundRegion(env_.windows, fields_.HostinghWnd, width, height);
    fields_.WindowRegion = region.handle;
    regionAccepted_ = region.accepted;
}

void TOKA::btnQuit_Click()
{
    UserLabel& quit = *controls_->btnQuit;
    quit.BlinkStop();
    quit.Blink(4, 2);
    if (env_.dockFrame.IsHosted())
        env_.dockFrame.ClosePanel(ProgID);
    else
        Quit();
}

void TOKA::dragHostWindow() { Skin::DragWindow(env_.windows, fields_.HostinghWnd); }

} // namespace norvo
