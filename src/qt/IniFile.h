#pragma once

#include "platform/SettingsProblem.h"
#include "qt/IniText.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <chrono>
#include <filesystem>
#include <optional>

namespace norvo::qt {

// One INI settings file, in the format QSettings reads and writes: its text
// and values as last read or written, what stood in the way, and changes of
// keys as one atomic replacement of the file.
//
// The file is read again only when it changed on disk. A file that cannot
// be read or does not parse in full is never written over.
class IniFile {
public:
    explicit IniFile(QString path);

    const QString& path() const { return path_; }

    // Reads the file when it changed on disk since it was last read or
    // written here.
    void refresh();
    // The value under a key with its group ("PRIVATE/CHANNEL0").
    std::optional<QString> value(const QString& key) const;
    // The keys under the section, without the section, and their values.
    IniText::Entries section(const QString& section) const;
    // Why the file could not be read or written the last time.
    const std::optional<SettingsProblem>& problem() const { return problem_; }

    // Sets the entries of the section: the file is replaced in one step,
    // flushed once, and keeps every other line as it was, also what another
    // program wrote while it was being saved. Writes nothing
    // when it holds every value already; returns whether it wrote. Raises
    // SettingsError, having changed nothing, when the file cannot be read,
    // does not parse or cannot be written.
    bool write(const QString& section, const IniText::Entries& entries);

private:
    // What tells that the file changed on disk.
    struct Stamp {
        std::filesystem::file_type type = std::filesystem::file_type::none;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified;

        bool operator==(const Stamp&) const = default;
    };

    Stamp stamp() const;
    void load();
    void parse();
    bool holds(const QString& section, const IniText::Entries& entries) const;
    void setProblem(SettingsProblem::Kind kind, const QString& reason);
    [[noreturn]] void fail(SettingsProblem::Kind kind, const QString& reason);
    // Raises when the file or its folder must not or cannot be written.
    void checkWritable();
    // Raises the problem that stops the file from being written over.
    void checkReadable() const;

    QString path_;
    std::filesystem::path nativePath_;
    std::optional<Stamp> loaded_;
    QByteArray text_;
    QHash<QString, QString> values_;
    std::optional<SettingsProblem> problem_;
};

} // namespace norvo::qt
