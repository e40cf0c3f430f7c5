// toka-demo: the voice panel in a borderless docking-host window, driven by
// the simulated voice network, with a console to steer the network. Without a
// display (or with --tour) it walks through the panel's key states instead
// and writes enlarged screenshots and a log.

#include "DemoSession.h"
#include "HostWindow.h"
#include "SimulationConsole.h"
#include "Tour.h"
#include "WindowAccessible.h"

#include "ProgramCommandLine.h"

#include "panel/TOKA.h"
#include "qt/common/QtSettingsStore.h"

#include <QApplication>
#include <QDateTime>
#include <QLoggingCategory>

#include <cstdio>
#include <optional>
#include <string>
#include <variant>

namespace {

struct Options {
    bool tour = false;
    QString out = QStringLiteral("toka-demo-out");
    std::uint32_t seed = 0;
    // The remembered channels' file; none: the user's own.
    QString settings;
    // The session log on standard error too.
    bool log = false;
};

// Read before Qt starts, as the tour picks the platform.
std::variant<Options, int> parse(int argc, char** argv)
{
    ProgramCommandLine commandLine(QStringLiteral("toka-demo"),
        QStringLiteral("The voice panel on a simulated voice network, with a console to steer the network. Without a "
                       "display (or with --tour) it walks through the panel's key states and writes screenshots."));
    QCommandLineParser& parser = commandLine.parser();
    const QCommandLineOption tour(QStringLiteral("tour"),
        QStringLiteral("Walk through the panel's key states and write screenshots (the default without a display)."));
    const QCommandLineOption out(QStringLiteral("out"),
        QStringLiteral("Where the tour writes its pictures and log (default ./toka-demo-out)."), QStringLiteral("DIR"));
    const QCommandLineOption seed(QStringLiteral("seed"),
        QStringLiteral("The simulated network's seed for its random traffic, 0 to 4294967295 (default: from the "
                       "clock); the same seed gives the same traffic."),
        QStringLiteral("N"));
    const QCommandLineOption settings(QStringLiteral("settings"),
        QStringLiteral("Keep the remembered channels in FILE instead of your own settings file."),
        QStringLiteral("FILE"));
    const QCommandLineOption log(QStringLiteral("log"),
        QStringLiteral("Also write the session log (every call the panel makes, every event it is told) on standard "
                       "error; the console shows it anyway."));
    parser.addOptions({tour, out, seed, settings, log});
    if (const std::optional<int> status = commandLine.parse(argc, argv))
        return *status;

    Options options;
    options.tour = parser.isSet(tour);
    options.log = parser.isSet(log);
    if (parser.isSet(out))
        options.out = parser.value(out);
    if (options.out.isEmpty())
        return commandLine.usageError(QStringLiteral("--out needs a folder"));
    options.settings = parser.value(settings);
    if (parser.isSet(settings) && options.settings.isEmpty())
        return commandLine.usageError(QStringLiteral("--settings needs a file"));
    if (parser.isSet(seed)) {
        bool number = false;
        options.seed = parser.value(seed).toUInt(&number);
        if (!number)
            return commandLine.usageError(
                QStringLiteral("--seed %1: not a whole number from 0 to 4294967295").arg(parser.value(seed)));
    } else {
        options.seed = static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
    }
    return options;
}

// The platforms to try in turn: the one asked for (or the desktop's), then
// the offscreen one, so that an unusable display ends in the tour and never
// in an abort.
QByteArray platformsToTry()
{
    QByteArray asked = qgetenv("QT_QPA_PLATFORM");
    if (asked.isEmpty())
        asked = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? "xcb" : "wayland;xcb";
    return asked.contains("offscreen") ? asked : asked + ";offscreen";
}

int interactive(QApplication& app, const Options& options)
{
    WindowAccessible::install();
    norvo::SimulationOptions simulation;
    simulation.seed = options.seed;
    DemoSession session(simulation);
    SimulationConsole console(session);
    QObject::connect(&session, &DemoSession::logged, &console, &SimulationConsole::appendLog);
    session.note("seed " + std::to_string(simulation.seed));

    HostWindow host(session.voice(), session.dockFrame(),
        options.settings.isEmpty() ? std::make_unique<norvo::qt::QtSettingsStore>()
                                   : norvo::qt::QtSettingsStore::forFile(options.settings));
    QObject::connect(&host, &HostWindow::closed, &app, &QApplication::quit);
    QObject::connect(&host.panel(), &norvo::qt::TokaWidget::settingsProblem, &console,
        [&session, &console](const QString&, const QString& message) {
            session.note("settings: " + message.toStdString());
            console.showSettingsProblem(message);
        });
    // A save that goes through again ends the problem.
    QObject::connect(&session, &DemoSession::delivered, &console, [&host, &console] {
        if (!host.panel().panel().settingsProblem())
            console.showSettingsProblem({});
    });
    host.move(80, 80);
    host.show();
    console.resize(980, 560);
    console.move(80, 80 + host.height() + 60);
    console.show();
    session.runInRealTime();
    return app.exec();
}

// The offscreen platform says, for every window, which window features it
// lacks; the tour does not need them, and a newcomer should see its result.
void quietOffscreenNotices(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QStringLiteral("This plugin does not support"))
        || message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char** argv)
{
    const std::variant<Options, int> parsed = parse(argc, argv);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const Options& options = std::get<Options>(parsed);
    qputenv("QT_QPA_PLATFORM", options.tour ? QByteArray("offscreen") : platformsToTry());
    // QT_LOGGING_RULES still has the last word.
    if (options.log)
        QLoggingCategory::setFilterRules(QStringLiteral("norvo.demo.debug=true"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("toka-demo"));
    const bool tour = options.tour || QGuiApplication::platformName() == QStringLiteral("offscreen");
    if (tour && !options.tour)
        std::fprintf(stderr, "toka-demo: no usable display, running the tour instead (see --help)\n");
    if (tour) {
        qInstallMessageHandler(quietOffscreenNotices);
        return Tour(options.out, options.seed).run();
    }
    return interactive(app, options);
}
