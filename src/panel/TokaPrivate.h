#pragma once

#include "panel/Binding.h"
#include "panel/Commands.h"
#include "panel/DeferredEvents.h"
#include "panel/DockedWindow.h"
#include "panel/EventDispatch.h"
#include "panel/FrequencyEntry.h"
#include "panel/PanelControls.h"
#include "panel/PanelWords.h"
#include "panel/RadioDisplay.h"
#include "panel/RememberedChannels.h"
#include "panel/RoomDisplay.h"
#include "panel/TOKA.h"
#include "panel/VoiceObject.h"

namespace norvo {

// The inside of a TOKA: its form and the parts that drive it. The parts'
// handlers run as the panel's handlers (see DeferredEvents): input as the
// form routes it, timer ticks, host calls and the voice client's events,
// which reach them through one dispatch.
class TokaPrivate {
public:
    TokaPrivate(TOKA& panel, const TokaEnvironment& environment);
    ~TokaPrivate();
    TokaPrivate(const TokaPrivate&) = delete;
    TokaPrivate& operator=(const TokaPrivate&) = delete;

    // For tests, which reach the inside through this header.
    static TokaPrivate& of(TOKA& panel) { return *panel.d; }

    template <class Body> void runHandler(Body&& body) { events.runHandler(body); }

    void Initialize();
    void Terminate() noexcept;

    TokaEnvironment env;
    const PanelWords words;
    Form form{"TOKA"};
    const PanelControls controls;
    VoiceObject voice;
    RememberedChannels channels;
    RadioDisplay radios;
    RoomDisplay rooms;
    Binding binding;
    Commands commands;
    FrequencyEntry entry;
    DockedWindow window;
    EventDispatch dispatch;
    DeferredEvents events;

private:
    void routeInput();
    // The labels' timers tick as handlers of the panel, as all its input does.
    void tickAsHandlers(Control& container);

    bool initialized_ = false;
    bool terminated_ = false;
};

} // namespace norvo
