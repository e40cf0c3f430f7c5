#pragma once

#include "host/StandaloneDockFrame.h"
#include "labels/UserLabelGraph.h"
#include "panel/TOKA.h"
#include "platform/CallLog.h"
#include "platform/ComboBox.h"
#include "platform/ManualClock.h"
#include "platform/MemorySettingsStore.h"
#include "platform/RecordingWindowSystem.h"
#include "sim/SimulatedVoiceClient.h"

#include <string>

namespace norvo::testing {

// The real panel wired to the simulated network and to recording outside
// components, started, hosted by window 100 and sized as a docking host does.
struct PanelRig {
    explicit PanelRig(const SimulationOptions& options)
        : sim(options)
    {
        panel.Quit.connect([this] { ++quits; });
        user("start-up", [this] { panel.Initialize(); });
        panel.HostinghWnd(100);
        std::int32_t width = 0;
        std::int32_t height = 0;
        panel.Sizing(0, width, height);
        sim.deliverEvents();
    }

    // A user input handler, as the host runs it.
    template <class Input> void user(const std::string& what, Input&& input)
    {
        sim.beginHandler(what);
        input();
        sim.endHandler();
    }

    void advance(std::int64_t milliseconds)
    {
        sim.advance(milliseconds);
        clock.advance(milliseconds);
    }

    Control& at(const char* name, int index = Control::NoIndex) { return panel.form().at(name, index); }
    UserLabelGraph& speaker(int slot)
    {
        return slot < 0 ? panel.form().get<UserLabelGraph>("GeneralSpeaker")
                        : panel.form().get<UserLabelGraph>("ToSpeaker", slot);
    }
    ComboBox& freeChannel() { return panel.form().get<ComboBox>("FreqInfo", 2); }

    void typeAndEnter(const std::string& name)
    {
        user("key FreqInfo(2)", [&] {
            freeChannel().setText(name);
            std::int16_t enter = 13;
            freeChannel().keyPress(enter);
        });
    }

    SimulatedVoiceClient sim;
    CallLog log;
    MemorySettingsStore settings;
    RecordingWindowSystem windows{log};
    StandaloneDockFrame dockFrame;
    ManualClock clock;
    // Last, so that it shuts down while the components still exist.
    TOKA panel{TokaEnvironment{sim, dockFrame, settings, windows, clock}};
    int quits = 0;
};

} // namespace norvo::testing
