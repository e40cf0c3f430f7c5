#pragma once

#include "platform/SettingsProblem.h"
#include "qt/common/IniText.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstdint>
#include <map>
#include <optional>

#include <sys/stat.h>

namespace norvo::qt {

// One INI settings file, in the format QSettings reads and writes: its text
// and values as last read or written, what stood in the way, and changes of
// keys as one atomic replacement of the file.
//
// The file is looked at (one stat) when it is asked for, and read again
// only when it changed on disk. Within one turn of the thread's event loop
// it is looked at once: the handlers that run in it find the file as it was
// first found there (without a QCoreApplication, at each access). A save
// still looks again before it replaces the file. A file that cannot be read
// or does not parse in full is never written over, nor anything but a
// regular file.
class IniFile {
public:
    explicit IniFile(QString path);

    const QString& path() const { return path_; }

    // Reads the file when it may have changed on disk.
    void refresh();
    // The value under a key of the section, and the keys of the section,
    // sorted, with their values: views of the text, valid until the file is
    // read or written again.
    std::optional<QByteArrayView> value(const QString& section, const QString& key);
    const IniText::ReadEntries& section(const QString& section);
    // Why the file could not be read or written the last time.
    const std::optional<SettingsProblem>& problem() const { return problem_; }
    // Changes whenever the text read or written here may have changed.
    std::uint64_t revision() const { return revision_; }

    // Sets the entries of the section: the file is replaced in one step,
    // written and flushed to the disk in full first, and keeps every other
    // byte as it was, also what another program wrote while it was being
    // saved. Writes nothing when it holds every value already; returns
    // whether it wrote. Raises SettingsError, having changed nothing, when
    // the file cannot be read, does not parse or cannot be written.
    bool write(const QString& section, const IniText::Entries& entries);

private:
    // What tells that the file changed on disk, and whether anyone may
    // write it.
    struct Stamp {
        Stamp() = default;
        explicit Stamp(const struct stat& status);

        // The file's type and rights (st_mode); 0 when there is no file.
        mode_t mode = 0;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        struct timespec modified { };
        uid_t owner = 0;
        // Why the file could not be looked at (errno), if it could not.
        int error = 0;

        bool operator==(const Stamp& other) const;
    };

    // Looks at the file and reads it when it changed since it was read
    // here; returns whether it was unchanged.
    bool look();
    void load(const Stamp& found);
    // The file is as looked at until the event loop turns.
    void keepUntilTheLoopTurns();
    bool holds(const QString& section, const IniText::Entries& entries);
    void setProblem(SettingsProblem::Kind kind, const QString& reason);
    [[noreturn]] void fail(SettingsProblem::Kind kind, const QString& reason);
    // Whether a problem met reading the file stands in the way of writing it.
    bool unreadable() const;
    // Raises when the file must not be written over.
    void checkWritable();

    QString path_;
    QByteArray nativePath_;
    std::optional<Stamp> loaded_;
    QByteArray text_;
    // The sections asked for since the text was last read or written: their
    // values are views of the text.
    std::map<QString, IniText::ReadEntries> sections_;
    std::optional<SettingsProblem> problem_;
    std::uint64_t revision_ = 0;
    bool lookedThisTurn_ = false;
    // Receives the call that ends the turn.
    QObject turn_;
};

} // namespace norvo::qt
