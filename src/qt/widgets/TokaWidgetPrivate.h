#pragma once

#include "panel/TOKA.h"
#include "qt/common/QtClock.h"
#include "qt/common/ThreadSafeEventSink.h"
#include "qt/widgets/FormView.h"
#include "qt/widgets/QtWindowSystem.h"

#include <memory>

namespace norvo::qt {

class TokaWidget;

// The inside of a TokaWidget: the panel, the platform services it runs on,
// and the view that shows its form.
class TokaWidgetPrivate {
public:
    TokaWidgetPrivate(
        TokaWidget& widget, VoiceClient& client, DockFrame& dockFrame, std::unique_ptr<SettingsStore> settings);
    ~TokaWidgetPrivate();
    TokaWidgetPrivate(const TokaWidgetPrivate&) = delete;
    TokaWidgetPrivate& operator=(const TokaWidgetPrivate&) = delete;

    VoiceClient& voice;
    const std::unique_ptr<SettingsStore> settings;
    QtClock clock;
    QtWindowSystem windows;
    norvo::TOKA panel;
    // Between the client and the panel: the client raises its events here.
    ThreadSafeEventSink events{panel.eventSink()};
    // Owned by the widget, as its child; it goes before the panel whose form
    // it observes.
    FormView* const view;
};

} // namespace norvo::qt
