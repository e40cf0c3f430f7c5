// toka-demo: the voice panel in a borderless docking-host window, driven by
// the simulated voice network, with a console to steer the network. Without a
// display (or with --tour) it walks through the panel's key states instead
// and writes enlarged screenshots and a log.

#include "DemoSession.h"
#include "HostWindow.h"
#include "QuickHostWindow.h"
#include "SimulationConsole.h"
#include "Tour.h"
#include "WindowAccessible.h"

#include "ProgramCommandLine.h"

#include "panel/TOKA.h"
#include "qt/common/PanelTranslator.h"
#include "qt/common/QtSettingsStore.h"
#include "qt/quick/TokaPanel.h"

#include <QApplication>
#include <QDateTime>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QQuickWindow>

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
    // The language of the panel and the windows; none: the user's.
    std::optional<QLocale> language;
    // The Qt Quick panel instead of the Widgets one.
    bool quick = false;
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
    const QCommandLineOption language(QStringLiteral("language"),
        QStringLiteral("Show the panel and the windows in LANGUAGE (de, fr, en, ...) instead of your own."),
        QStringLiteral("LANGUAGE"));

    const QCommandLineOption quick(QStringLiteral("quick"),
        QStringLiteral("Show the Qt Quick panel (in a QQuickWindow) instead of the Widgets one."));
    parser.addOptions({tour, out, seed, settings, log, language, quick});
    if (const std::optional<int> status = commandLine.parse(argc, argv))
        return *status;

    Options options;
    options.tour = parser.isSet(tour);
    options.log = parser.isSet(log);
    options.quick = parser.isSet(quick);
    if (parser.isSet(out))
        options.out = parser.value(out);
    if (options.out.isEmpty())
        return commandLine.usageError(QStringLiteral("--out needs a folder"));
    if (parser.isSet(language)) {
        const QString asked = parser.value(language);
        const QLocale locale(asked);
        if (locale.language() == QLocale::C && asked.compare(QLatin1String("C"), Qt::CaseInsensitive) != 0)
            return commandLine.usageError(QStringLiteral("--language %1: not a language").arg(asked));
        options.language = locale;
    }
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

    auto settings = options.settings.isEmpty() ? std::make_unique<norvo::qt::QtSettingsStore>()
                                               : norvo::qt::QtSettingsStore::forFile(options.settings);
    const auto showSettingsProblem = [&session, &console](const QString&, const QString& message) {
        session.note("settings: " + message.toStdString());
        console.showSettingsProblem(message);
    };
    std::unique_ptr<HostWindow> widgetsHost;
    std::unique_ptr<QuickHostWindow> quickHost;
    norvo::TOKA* panel = nullptr;
    int hostHeight = 0;
    if (options.quick) {
        quickHost = std::make_unique<QuickHostWindow>(session.voice(), session.dockFrame(), std::move(settings));
        QObject::connect(quickHost.get(), &QuickHostWindow::closed, &app, &QApplication::quit);
        QObject::connect(&quickHost->panel(), &norvo::qt::TokaPanel::settingsProblem, &console, showSettingsProblem);
        panel = &quickHost->panel().panel();
        quickHost->setPosition(80, 80);
        quickHost->show();
        hostHeight = quickHost->height();
    } else {
        widgetsHost = std::make_unique<HostWindow>(session.voice(), session.dockFrame(), std::move(settings));
        QObject::connect(widgetsHost.get(), &HostWindow::closed, &app, &QApplication::quit);
        QObject::connect(&widgetsHost->panel(), &norvo::qt::TokaWidget::settingsProblem, &console, showSettingsProblem);
        panel = &widgetsHost->panel().panel();
        widgetsHost->move(80, 80);
        widgetsHost->show();
        hostHeight = widgetsHost->height();
    }
    // A save that goes through again ends the problem.
    QObject::connect(&session, &DemoSession::delivered, &console, [panel, &console] {
        if (!panel->settingsProblem())
            console.showSettingsProblem({});
    });
    console.resize(980, 560);
    console.move(80, 80 + hostHeight + 60);
    console.show();
    session.runInRealTime();
    return app.exec();
}

// The panel's catalogue, and Qt's own for the standard windows' texts, in the
// language asked for or the user's; English where there is none.
void installTranslations(const Options& options, norvo::qt::PanelTranslator& panel, QTranslator& qt)
{
    const QLocale locale = options.language.value_or(QLocale());
    const bool found = panel.loadFor(locale);
    if (found)
        QApplication::installTranslator(&panel);
    else if (options.language && locale.language() != QLocale::English && locale.language() != QLocale::C)
        std::fprintf(stderr, "toka-demo: no catalogue for %s in %s; the texts stay English\n",
            qPrintable(locale.name()), qPrintable(norvo::qt::PanelTranslator::folders().join(QStringLiteral(", "))));
    if (found
        && qt.load(
            locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qt);
    QLocale::setDefault(locale);
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
    // The Qt Quick panel paints on the CPU, as the Widgets one does.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("toka-demo"));
    norvo::qt::PanelTranslator panelTexts;
    QTranslator qtTexts;
    installTranslations(options, panelTexts, qtTexts);
    const bool tour = options.tour || QGuiApplication::platformName() == QStringLiteral("offscreen");
    if (tour && !options.tour)
        std::fprintf(stderr, "toka-demo: no usable display, running the tour instead (see --help)\n");
    if (tour) {
        qInstallMessageHandler(quietOffscreenNotices);
        return Tour(options.out, options.seed).run();
    }
    return interactive(app, options);
}
