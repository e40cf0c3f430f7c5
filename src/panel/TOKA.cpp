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
    // A client commonly announces its objects from inside RequestRefresh:
    // they are bound once the start-up is complete.
    events_.runHandler([this] {
        loadChannels();
        showDisconnected();
        env_.voice.Attach();
        env_.voice.BeginUpdates();
        env_.voice.RequestRefresh();
    });
}

void TOKA::Terminate() noexcept
{
    if (terminated_)
        return;
    terminated_ = true;
    // Events raised by Detach, or waiting for a handler that shut the panel
    // down, would have the panel call a client it has left.
    events_.close();
    // Each step is tried whatever the one before it did.
    try {
        env_.voice.Detach();
    } catch (...) {
    }
    try {
        if (!regionAccepted_)
            Skin::DeleteRegion(env_.windows, windowRegion_);
    } catch (...) {
    }
}

DockFrame& TOKA::Dockframe() { return env_.dockFrame; }

void TOKA::HostinghWnd(std::int32_t window) { hostingWindow_ = window; }

TokaFields TOKA::fields() const
{
    using Block = VoiceObjectLayout::Block;
    const VoiceObjectLayout& l = layout_;
    return TokaFields{hostingWindow_, windowRegion_, l.roomCount(), l.slotCount(), l.firstIndex(), l.base(Block::Room),
        l.base(Block::Info), l.base(Block::Room), l.base(Block::Info), l.base(Block::ReceiveMute),
        l.base(Block::TransmitMute), l.base(Block::ReceiveActivity), l.base(Block::SendActivity),
        l.base(Block::Priority), voiceHandle_};
}

bool TOKA::CanDeactivate() const
{
    // The user may be typing a room name.
    const Control* focused = form_->focusedControl();
    return !focused || focused->name() != "FreqInfo";
}

bool TOKA::Sizing(std::int32_t, std::int32_t& pWidth, std::int32_t& pHeight)
{
    events_.runHandler([&] {
        const Controls& c = *controls_;
        const auto width = [&] { return checkedAdd(c.btnQuit->left(), c.btnQuit->width()); };
        const auto height = [&] { return checkedAdd(checkedAdd(c.channel[0]->top(), c.channel[0]->height()), 1); };
        pWidth = width();
        pHeight = height();
        // Each of the two changes runs the resize handler.
        form_->setWidth(pWidth);
        form_->setHeight(pHeight);
        if (windowRegion_ == 0)
            applyRoundRegion(width(), height());
    });
    return true;
}

std::int32_t TOKA::Width() const { return checkedMul(form_->width(), TwipsPerPixel); }

std::int32_t TOKA::Height() const { return checkedMul(form_->height(), TwipsPerPixel); }

void TOKA::resize(std::int32_t widthPixels, std::int32_t heightPixels) { form_->setSize(widthPixels, heightPixels); }

void TOKA::UserControl_Resize()
{
    events_.runHandler([this] {
        // A region the window accepted is the window system's to discard.
        if (!regionAccepted_)
            Skin::DeleteRegion(env_.windows, windowRegion_);
        applyRoundRegion(form_->width(), form_->height());
    });
}

void TOKA::applyRoundRegion(std::int32_t width, std::int32_t height)
{
    const Skin::RoundRegion region = Skin::SetRoundRegion(env_.windows, hostingWindow_, width, height);
    windowRegion_ = region.handle;
    regionAccepted_ = region.accepted;
}

void TOKA::btnQuit_Click()
{
    events_.runHandler([this] {
        UserLabel& quit = *controls_->btnQuit;
        quit.BlinkStop();
        quit.Blink(4, 2);
        if (env_.dockFrame.IsHosted())
            env_.dockFrame.ClosePanel(ProgID);
        else
            Quit();
    });
}

// The drag lets pending window events run, a voice client's among them.
void TOKA::dragHostWindow()
{
    events_.runHandler([this] { Skin::DragWindow(env_.windows, hostingWindow_); });
}

// The door for the voice client's events; value changes, by far the most
// frequent, have their own below.
void TOKA::receive(const VoiceEvent& event) { events_.receive(event); }

void TOKA::Norvo_ObjectValueChanged(std::int32_t handle, std::int32_t index)
{
    if (events_.heldBack({VoiceEvent::Kind::ObjectValueChanged, handle, index}))
        return;
    events_.runHandler([&] {
        if (handle == voiceHandle_)
            refreshValue(index);
    });
}

void TOKA::react(const VoiceEvent& event)
{
    using Kind = VoiceEvent::Kind;
    switch (event.kind) {
    case Kind::Disconnected: showDisconnected(); break;
    // Nothing to show yet: the objects announce themselves.
    case Kind::Connected: break;
    case Kind::MainPilotUserDeleted:
    case Kind::MainPilotUserChanged:
    case Kind::MainPilotUserCreated: refreshRadios(); break;
    case Kind::ObjectCreated: bindVoiceObject(event.handle); break;
    case Kind::ObjectDeleted: forgetVoiceObject(event.handle); break;
    case Kind::ObjectTextChanged:
        if (event.handle == voiceHandle_)
            refreshText(event.index);
        break;
    case Kind::ObjectValueChanged:
        if (event.handle == voiceHandle_)
            refreshValue(event.index);
        break;
    }
}

} // namespace norvo
