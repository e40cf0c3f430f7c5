#include "ProgramCommandLine.h"

#include <NorvoUITOKA/norvouitoka_version.h>

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

ProgramCommandLine::ProgramCommandLine(QString program, const QString& description)
    : program_(std::move(program))
{
    parser_.setApplicationDescription(description);
    parser_.addHelpOption();
    parser_.addVersionOption();
}

void ProgramCommandLine::takeArguments(const QString& name, const QString& description, qsizetype most)
{
    parser_.addPositionalArgument(name, description, QStringLiteral("[%1]").arg(name));
    mostArguments_ = most;
}

std::optional<int> ProgramCommandLine::parse(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!parser_.parse(arguments))
        return usageError(parser_.errorText());
    if (parser_.isSet(QStringLiteral("help"))) {
        // The help text names the program as it was started, which needs
        // the application object.
        int helpArgc = 1;
        QCoreApplication application(helpArgc, argv);
        std::fputs(qPrintable(parser_.helpText()), stdout);
        return Success;
    }
    if (parser_.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", qPrintable(program_), NORVOUITOKA_VERSION_STRING);
        return Success;
    }
    const QStringList extra = parser_.positionalArguments().mid(mostArguments_);
    if (!extra.isEmpty())
        return usageError(QStringLiteral("unexpected argument %1").arg(extra.first()));
    return std::nullopt;
}

int ProgramCommandLine::usageError(const QString& why) const
{
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", qPrintable(program_), qPrintable(why),
        qPrintable(program_));
    return UsageError;
}
