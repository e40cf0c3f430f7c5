// A QML host of the voice panel: main.qml places a TokaPanel on a simulated
// network. With --quit-after MS it closes by itself (for scripted checks).

#include <NorvoUITOKA/qt/quick/TokaPanel.h>

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption quitAfter(
        QStringLiteral("quit-after"), QStringLiteral("Close after MS milliseconds."), QStringLiteral("MS"));
    parser.addOption(quitAfter);
    parser.process(app);

    QQmlApplicationEngine engine;
    engine.load(QUrl(QStringLiteral("qrc:/QuickHost/main.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    auto* panel = engine.rootObjects().constFirst()->findChild<norvo::qt::TokaPanel*>(QStringLiteral("panel"));
    if (!panel) {
        std::fprintf(stderr, "quick-host: main.qml has no panel\n");
        return 1;
    }
    std::printf("quick-host: the panel is %d x %d pixels\n", static_cast<int>(panel->implicitWidth()),
        static_cast<int>(panel->implicitHeight()));
    if (parser.isSet(quitAfter)) {
        bool ok = false;
        const int ms = parser.value(quitAfter).toInt(&ok);
        if (!ok || ms < 0) {
            std::fprintf(stderr, "quick-host: --quit-after takes a number of milliseconds\n");
            return 2;
        }
        QTimer::singleShot(ms, &app, &QGuiApplication::quit);
    }
    return app.exec();
}
