// toka-demo: the voice panel in a borderless docking-host window, driven by
// the simulated voice network, with a console to steer the network. Without a
// display (or with --tour) it walks through the panel's key states instead
// and writes enlarged screenshots and a log.

#include "DemoSession.h"
#include "HostWindow.h"
#include "SimulationConsole.h"
#include "Tour.h"

#include "panel/TOKA.h"
#include "qt/QtSettingsStore.h"

#include <QApplication>
#include <QDateTime>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

namespace {

struct Options {
    bool tour = false;
    QString out = QStringLiteral("toka-demo-out");
    std::optional<std::uint32_t> seed;
    // The remembered channels' file; none: the user's own.
    QString settings;
};

void usage(std::FILE* to)
{
    std::fprintf(to,
        "usage: toka-demo [--tour] [--out DIR] [--seed N] [--settings FILE]\n"
        "  --tour           walk through the panel's key states and write screenshots (the default without a display)\n"
        "  --out DIR        where the tour writes its pictures and log (default ./toka-demo-out)\n"
        "  --seed N         the simulated network's seed for its random traffic\n"
        "  --settings FILE  keep the remembered channels in FILE instead of your own settings file\n");
}

// Read before Qt starts, as the tour picks the platform.
std::optional<Options> parse(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--tour") {
            options.tour = true;
        } else if ((arg == "--out" || arg == "--seed" || arg == "--settings") && i + 1 < argc) {
            const char* value = argv[++i];
            if (arg == "--out")
                options.out = QString::fromLocal8Bit(value);
            else if (arg == "--settings")
                options.settings = QString::fromLocal8Bit(value);
            else
                options.seed = static_cast<std::uint32_t>(std::strtoul(value, nullptr, 10));
        } else if (arg == "--help" || arg == "-h") {
            usage(stdout);
            std::exit(0);
        } else {
            std::fprintf(stderr, "toka-demo: unknown argument %s\n", arg.c_str());
            usage(stderr);
            return std::nullopt;
        }
    }
    return options;
}

bool haveDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

int interactive(QApplication& app, const Options& options)
{
    norvo::SimulationOptions simulation;
    simulation.seed = options.seed.value_or(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
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
    const std::optional<Options> options = parse(argc, argv);
    if (!options)
        return 2;
    const bool tour = options->tour || !haveDisplay();
    if (tour) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietOffscreenNotices);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("toka-demo"));
    if (tour)
        return Tour(options->out).run();
    return interactive(app, *options);
}
