// The voice panel in a small window, connected to a voice client whose own
// worker thread raises its events. Run it, watch the COM1 room's receive
// activity blink, click the buttons, type a room into the free channel and
// press Enter. With --quit-after MS it closes by itself (for scripted checks).

#include "ThreadedVoiceClient.h"

#include <NorvoUITOKA/host/StandaloneDockFrame.h>
#include <NorvoUITOKA/panel/TOKA.h>
#include <NorvoUITOKA/qt/widgets/TokaWidget.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption quitAfter(
        QStringLiteral("quit-after"), QStringLiteral("Close after MS milliseconds."), QStringLiteral("MS"));
    parser.addOption(quitAfter);
    parser.process(app);

    // Both outlive the widget: it uses them until it is destroyed.
    ThreadedVoiceClient voice;
    norvo::StandaloneDockFrame dockFrame;

    QWidget window;
    window.setWindowTitle(QStringLiteral("Voice panel"));
    // The panel starts here: it attaches and asks the client to announce
    // its objects. The client's events from now on come from its worker.
    auto* panel = new norvo::qt::TokaWidget(voice, dockFrame, &window);
    panel->setHostWindow(&window);
    std::int32_t width = 0;
    std::int32_t height = 0;
    panel->panel().Sizing(0, width, height);
    window.setFixedSize(width, height);
    QObject::connect(panel, &norvo::qt::TokaWidget::quit, &window, &QWidget::close);

    window.show();
    if (parser.isSet(quitAfter)) {
        bool ok = false;
        const int ms = parser.value(quitAfter).toInt(&ok);
        if (!ok || ms < 0) {
            std::fprintf(stderr, "voice-client: --quit-after takes a number of milliseconds\n");
            return 2;
        }
        QTimer::singleShot(ms, &window, &QWidget::close);
    }
    return app.exec();
}
