#pragma once

#include <QCommandLineParser>
#include <QString>

#include <optional>

// The command line of a Qt program, read before the application object exists
// (a program may have to pick its platform first): --help and --version, and
// every error on standard error with its reason. Arguments other than options
// are refused unless the program takes them.
class ProgramCommandLine {
public:
    static constexpr int Success = 0;
    static constexpr int UsageError = 2;

    ProgramCommandLine(QString program, const QString& description);

    QCommandLineParser& parser() { return parser_; }
    // The program takes up to `most` arguments besides its options.
    void takeArguments(const QString& name, const QString& description, qsizetype most);

    // Reads argv. When the program is to end at once (--help, --version or a
    // usage error, already printed), the status to end with.
    std::optional<int> parse(int argc, char** argv);

    // Reports a usage error with its reason; returns UsageError.
    int usageError(const QString& why) const;

private:
    QString program_;
    QCommandLineParser parser_;
    qsizetype mostArguments_ = 0;
};
