#include "qt/widgets/TokaWidgetPrivate.h"

#include "qt/widgets/TokaWidget.h"

namespace norvo::qt {

TokaWidgetPrivate::TokaWidgetPrivate(
    TokaWidget& widget, VoiceClient& client, DockFrame& dockFrame, std::unique_ptr<SettingsStore> settingsStore)
    : voice(client)
    , settings(std::move(settingsStore))
    , panel(TokaEnvironment{client, dockFrame, *settings, windows, clock})
    , view(new FormView(panel.form(), &widget))
{
    client.setEventSink(&events);
}

TokaWidgetPrivate::~TokaWidgetPrivate()
{
    panel.Terminate();
    // The client stops raising events into the sink before it goes.
    try {
        voice.setEventSink(nullptr);
    } catch (...) {
    }
    delete view;
}

} // namespace norvo::qt
