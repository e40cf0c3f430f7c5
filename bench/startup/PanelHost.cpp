// The voice panel in a window, as examples/voice-client hosts it (a voice
// client whose worker thread raises the events), started for StartupBench:
//   startup-panel-host SETTINGS-FILE
// It reports its first frame (FirstFrameReport) and quits.
#include "FirstFrameReport.h"
#include "ThreadedVoiceClient.h"
#include "WidgetPaintWatch.h"

#include <NorvoUITOKA/host/StandaloneDockFrame.h>
#include <NorvoUITOKA/panel/TOKA.h>
#include <NorvoUITOKA/qt/common/QtSettingsStore.h>
#include <NorvoUITOKA/qt/widgets/TokaWidget.h>

#include <QApplication>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv)
{
    const std::int64_t entered = FirstFrameReport::now();
    if (argc != 2) {
        std::fprintf(stderr, "usage: startup-panel-host SETTINGS-FILE\n");
        return 2;
    }
    QApplication app(argc, argv);
    FirstFrameReport report;
    report.mark("main", entered);
    report.mark("app");

    ThreadedVoiceClient voice;
    norvo::StandaloneDockFrame dockFrame;
    QWidget window;
    auto* panel = new norvo::qt::TokaWidget(
        voice, dockFrame, norvo::qt::QtSettingsStore::forFile(QString::fromLocal8Bit(argv[1])), &window);
    panel->setHostWindow(&window);
    std::int32_t width = 0;
    std::int32_t height = 0;
    panel->panel().Sizing(0, width, height);
    window.setFixedSize(width, height);
    report.mark("built");

    WidgetPaintWatch watch(report, *panel);
    window.show();
    return app.exec();
}
