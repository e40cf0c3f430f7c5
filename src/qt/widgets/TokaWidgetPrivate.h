#pragma once

#include "qt/common/PanelSession.h"
#include "qt/widgets/FormView.h"
#include "qt/widgets/QtWindowSystem.h"

#include <memory>

namespace norvo::qt {

class TokaWidget;

// The inside of a TokaWidget: the panel's session on Qt's services and the
// view that shows the form of its panel.
class TokaWidgetPrivate {
public:
    TokaWidgetPrivate(
        TokaWidget& widget, VoiceClient* voice, DockFrame* dockFrame, std::unique_ptr<SettingsStore> settings);
    ~TokaWidgetPrivate();
    TokaWidgetPrivate(const TokaWidgetPrivate&) = delete;
    TokaWidgetPrivate& operator=(const TokaWidgetPrivate&) = delete;

    // A view of the session's panel in place of the one there was.
    void showPanel();

    TokaWidget& widget;
    QtWindowSystem windows;
    PanelSession session;
    // The widget's child; it goes before the panel whose form it observes.
    FormView* view = nullptr;
};

} // namespace norvo::qt
