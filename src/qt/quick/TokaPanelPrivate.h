#pragma once

#include "qt/common/PanelSession.h"
#include "qt/quick/QuickFormView.h"
#include "qt/quick/QuickWindowSystem.h"

#include <QPointer>

namespace norvo::qt {

class SimulatedNetwork;
class TokaPanel;

// The inside of a TokaPanel: the panel's session on Qt's services and the
// view that shows the form of its panel (none until the first showPanel()).
class TokaPanelPrivate {
public:
    explicit TokaPanelPrivate(TokaPanel& item);
    ~TokaPanelPrivate();
    TokaPanelPrivate(const TokaPanelPrivate&) = delete;
    TokaPanelPrivate& operator=(const TokaPanelPrivate&) = delete;

    // A view of the session's panel in place of the one there was.
    void showPanel();
    // The client given, to the session once the item is complete.
    void applyClient();
    // The window the item is in becomes the panel's host window, or none.
    void applyHostWindow();

    TokaPanel& item;
    QuickWindowSystem windows;
    PanelSession session;
    QuickFormView* view = nullptr;
    VoiceClient* voice = nullptr;
    QPointer<SimulatedNetwork> network;
    bool ownsWindow = false;
};

} // namespace norvo::qt
