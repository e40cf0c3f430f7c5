// The voice panel as a Qt Quick item in a QQuickWindow, on the voice client
// of examples/voice-client (its worker thread raises the events), started
// for StartupBench:
//   startup-quick-panel-host SETTINGS-FILE
// It reports its first frame (FirstFrameReport) and quits.
#include "FirstFrameReport.h"
#include "QuickFrameWatch.h"
#include "ThreadedVoiceClient.h"

#include <NorvoUITOKA/host/StandaloneDockFrame.h>
#include <NorvoUITOKA/panel/TOKA.h>
#include <NorvoUITOKA/qt/common/QtSettingsStore.h>
#include <NorvoUITOKA/qt/quick/TokaPanel.h>

#include <QGuiApplication>
#include <QQuickWindow>

#include <cstdio>

int main(int argc, char** argv)
{
    const std::int64_t entered = FirstFrameReport::now();
    if (argc != 2) {
        std::fprintf(stderr, "usage: startup-quick-panel-host SETTINGS-FILE\n");
        return 2;
    }
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    FirstFrameReport report;
    report.mark("main", entered);
    report.mark("app");

    ThreadedVoiceClient voice;
    norvo::StandaloneDockFrame dockFrame;
    QQuickWindow window;
    auto* panel = new norvo::qt::TokaPanel(window.contentItem());
    panel->setSettings(norvo::qt::QtSettingsStore::forFile(QString::fromLocal8Bit(argv[1])));
    panel->setDockFrame(&dockFrame);
    panel->setVoiceClient(&voice);
    panel->setOwnsWindow(true);
    std::int32_t width = 0;
    std::int32_t height = 0;
    panel->panel().Sizing(0, width, height);
    window.resize(width, height);
    report.mark("built");

    QuickFrameWatch::watch(report, window);
    window.show();
    const int status = app.exec();
    delete panel;
    return status;
}
