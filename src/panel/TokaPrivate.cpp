#include "panel/TokaPrivate.h"

#include "panel/PanelForm.h"
#include "platform/KeyAscii.h"
#include "platform/Timer.h"

namespace norvo {

TokaPrivate::TokaPrivate(TOKA& panel, const TokaEnvironment& environment)
    : env(environment)
    , words(env.texts)
    , controls(buildPanelForm(form, env.clock, words))
    , voice(env.voice)
    , channels(env.settings, panel.SettingsProblemFound)
    , radios(voice, controls, words)
    , rooms(voice, controls, words, radios, channels)
    , binding(voice, radios, rooms)
    , commands(voice, controls, radios, rooms)
    , entry(voice, controls, rooms)
    , window(env.windows, env.dockFrame, form, controls, panel.Quit)
    , dispatch(binding, radios, rooms)
    , events(dispatch)
{
    routeInput();
    env.voice.setEventSink(&events);
}

TokaPrivate::~TokaPrivate()
{
    if (initialized_ && !terminated_)
        Terminate();
    try {
        env.voice.setEventSink(nullptr);
    } catch (...) {
    }
}

void TokaPrivate::Initialize()
{
    // Counted as run from its first step, so that a start-up that failed half
    // way is still shut down.
    initialized_ = true;
    // A client commonly announces its objects from inside RequestRefresh:
    // they are bound once the start-up is complete.
    events.runHandler([this] {
        channels.load();
        controls.FreqInfo[Slots::FreeChannel]->shareItems(channels.list());
        binding.Norvo_Disconnected();
        env.voice.Attach();
        env.voice.BeginUpdates();
        env.voice.RequestRefresh();
    });
}

void TokaPrivate::Terminate() noexcept
{
    if (terminated_)
        return;
    terminated_ = true;
    // Events raised by Detach, or waiting for a handler that shut the panel
    // down, would have the panel call a client it has left.
    events.close();
    // Each step is tried whatever the one before it did.
    try {
        env.voice.Detach();
    } catch (...) {
    }
    try {
        window.releaseRegion();
    } catch (...) {
    }
}

void TokaPrivate::routeInput()
{
    const PanelControls& c = controls;
    const auto asHandler = [this](auto body) { return [this, body] { events.runHandler(body); }; };

    const auto drag = [this](const MouseEvent&) { events.runHandler([this] { window.dragHostWindow(); }); };
    form.onMouseDown = drag;
    for (Label* surface : {c.Freq[0], c.Freq[1], c.RecvActivity, c.SendActivity, c.VATSIMWarning})
        surface->onMouseDown = drag;
    for (std::int32_t k = 0; k < Slots::Shown; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const auto slot = static_cast<std::int16_t>(k);
        c.channel[i]->onMouseDown = drag;
        c.RoomRecvActivity[i]->onMouseDown = drag;
        c.RoomSendActivity[i]->onMouseDown = drag;
        c.PriorityChannel[i]->onClick = asHandler([this, slot] { commands.PriorityChannel_Click(slot); });
        c.COMReceive[i]->onClick = asHandler([this, slot] { commands.COMReceive_Click(slot); });
        c.COMTransmit[i]->onClick = asHandler([this, slot] { commands.COMTransmit_Click(slot); });
        c.RoomStatus[i]->onClick = asHandler([this, slot] { commands.RoomStatus_Click(slot); });
        c.ToSpeaker[i]->Click.connect(asHandler([this, slot] { commands.ToSpeaker_Click(slot); }));
    }
    c.GeneralSpeaker->Click.connect(asHandler([this] { commands.GeneralSpeaker_Click(); }));
    c.btnQuit->Click.connect(asHandler([this] { window.btnQuit_Click(); }));
    ComboBox& freeChannel = *c.FreqInfo[Slots::FreeChannel];
    freeChannel.onClick = asHandler([this] { entry.FreqInfo_Click(Slots::FreeChannel); });
    freeChannel.onKeyPress = [this](std::int16_t& keyAscii) {
        events.runHandler([&] { entry.FreqInfo_KeyPress(Slots::FreeChannel, keyAscii); });
    };
    // Installed after the form is built at its design size: building it is no
    // resize.
    form.onResize = asHandler([this] { window.UserControl_Resize(); });

    // Return and Space on a focused button do what a click on it does.
    const auto clickByKey = [](Control& button) {
        button.onKeyPress = [&button](std::int16_t& keyAscii) {
            if (keyAscii == KeyAscii::Enter || keyAscii == KeyAscii::Space)
                button.click();
        };
    };
    for (std::size_t i = 0; i < Slots::Shown; ++i) {
        clickByKey(*c.PriorityChannel[i]);
        clickByKey(*c.COMReceive[i]);
        clickByKey(*c.COMTransmit[i]);
        clickByKey(*c.RoomStatus[i]);
        clickByKey(*c.ToSpeaker[i]);
    }
    clickByKey(*c.GeneralSpeaker);
    clickByKey(*c.btnQuit);
    tickAsHandlers(form);
}

void TokaPrivate::tickAsHandlers(Control& container)
{
    for (const auto& child : container.children()) {
        if (auto* timer = dynamic_cast<Timer*>(child.get()))
            timer->onTimer = [this, tick = std::move(timer->onTimer)] { events.runHandler(tick); };
        tickAsHandlers(*child);
    }
}

} // namespace norvo
