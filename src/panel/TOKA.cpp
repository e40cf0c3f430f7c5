#include "panel/TOKA.h"

#include "panel/TokaPrivate.h"
#include "platform/CheckedMath.h"

namespace norvo {

namespace {

constexpr std::int32_t TwipsPerPixel = 15;

} // namespace

TOKA::TOKA(const TokaEnvironment& environment)
    : d(std::make_unique<TokaPrivate>(*this, environment))
{
}

TOKA::~TOKA() = default;

void TOKA::Initialize() { d->Initialize(); }

void TOKA::Terminate() noexcept { d->Terminate(); }

DockFrame& TOKA::Dockframe() { return d->env.dockFrame; }

void TOKA::HostinghWnd(std::int32_t window) { d->window.setHostWindow(window); }

bool TOKA::CanDeactivate() const
{
    const Control* focused = d->form.focusedControl();
    return !focused || focused->name() != "FreqInfo";
}

bool TOKA::Sizing(std::int32_t, std::int32_t& pWidth, std::int32_t& pHeight)
{
    d->runHandler([&] { d->window.Sizing(pWidth, pHeight); });
    return true;
}

const std::optional<SettingsProblem>& TOKA::settingsProblem() const { return d->channels.problem(); }

std::int32_t TOKA::Width() const { return checkedMul(d->form.width(), TwipsPerPixel); }

std::int32_t TOKA::Height() const { return checkedMul(d->form.height(), TwipsPerPixel); }

void TOKA::resize(std::int32_t widthPixels, std::int32_t heightPixels) { d->form.setSize(widthPixels, heightPixels); }

TokaFields TOKA::fields() const
{
    using Block = VoiceObjectLayout::Block;
    const VoiceObjectLayout& l = d->voice.layout();
    return TokaFields{d->window.hostWindow(), d->window.region(), l.roomCount(), l.slotCount(), l.firstIndex(),
        l.base(Block::Room), l.base(Block::Info), l.base(Block::Room), l.base(Block::Info), l.base(Block::ReceiveMute),
        l.base(Block::TransmitMute), l.base(Block::ReceiveActivity), l.base(Block::SendActivity),
        l.base(Block::Priority), d->voice.handle()};
}

Form& TOKA::form() { return d->form; }

const Form& TOKA::form() const { return d->form; }

VoiceEventSink& TOKA::eventSink() { return d->events; }

} // namespace norvo
