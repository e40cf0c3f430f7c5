#pragma once

#include "panel/TOKA.h"
#include "platform/ManualClock.h"
#include "recording/CallLog.h"
#include "recording/InMemoryVoiceClient.h"
#include "recording/MemorySettingsStore.h"
#include "recording/RecordingDockFrame.h"
#include "recording/RecordingWindowSystem.h"
#include "support/PanelEvents.h"

#include <QQuickWindow>

#ifdef NORVO_TEST_WITH_WIDGETS
#include <QApplication>
#else
#include <QGuiApplication>
#endif

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace norvo::qt::testing {

// One application for the whole test program, offscreen unless told
// otherwise, its Qt Quick scenes drawn by the software renderer; with
// widgets where the test shows the Widgets panel too.
struct QuickApplicationEnvironment : ::testing::Environment {
#ifdef NORVO_TEST_WITH_WIDGETS
    using Application = QApplication;
#else
    using Application = QGuiApplication;
#endif
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        application = std::make_unique<Application>(argc, argv);
    }
    void TearDown() override { application.reset(); }

    int argc = 1;
    char name[12] = "quick_tests";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<Application> application;
};

inline const auto* const environment = ::testing::AddGlobalTestEnvironment(new QuickApplicationEnvironment);

// A panel on recording outside components, the voice object 7 (three slots
// from index 7) set up before start() binds it, unless unbound.
struct QuickPanel {
    QuickPanel()
    {
        voice.setPilot(InMemoryVoiceClient::Pilot{"1", "1", "122.800", "121.500"});
        voice.addObject(7, "VOICE", "TOKA");
        voice.setLong(7, 0, 3);
        voice.setLong(7, 1, 7);
        voice.setLong(7, 2, 1);
    }
    void start()
    {
        panel = std::make_unique<TOKA>(TokaEnvironment{voice, dock, settings, windows, clock});
        panel->Initialize();
        if (!unbound)
            norvo::testing::raiseEvent(*panel, VoiceEvent::Kind::ObjectCreated, 7);
        if (afterBinding)
            afterBinding();
    }

    CallLog log;
    InMemoryVoiceClient voice;
    RecordingDockFrame dock{log};
    MemorySettingsStore settings;
    RecordingWindowSystem windows{log};
    ManualClock clock;
    std::unique_ptr<TOKA> panel;
    bool unbound = false;
    std::function<void()> afterBinding;
};

} // namespace norvo::qt::testing
