#include "qt/common/IniFile.h"

#include "platform/SettingsStore.h"
#include "qt/common/FileReplacement.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace norvo::qt {

namespace {

// How often a save starts again when another program changes the file
// while it is being saved.
constexpr int WriteAttempts = 3;
// Bytes read at once past the size the file had when opened (it may grow).
constexpr qsizetype ReadStep = 1 << 16;

QString systemMessage(int error) { return QString::fromStdString(std::generic_category().message(error)); }

// What stands in the file's place when it is no regular file.
QString notAFile(mode_t mode)
{
    switch (mode & S_IFMT) {
    case S_IFDIR: return QStringLiteral("it is a folder");
    case S_IFIFO: return QStringLiteral("it is a FIFO, not a file");
    case S_IFSOCK: return QStringLiteral("it is a socket, not a file");
    case S_IFCHR:
    case S_IFBLK: return QStringLiteral("it is a device, not a file");
    default: return QStringLiteral("it is not a regular file");
    }
}

} // namespace

IniFile::Stamp::Stamp(const struct stat& status)
    : mode(status.st_mode)
    , device(status.st_dev)
    , inode(status.st_ino)
    , size(status.st_size)
    , modified(status.st_mtim)
    , owner(status.st_uid)
{
}

bool IniFile::Stamp::operator==(const Stamp& other) const
{
    return mode == other.mode && device == other.device && inode == other.inode && size == other.size
        && modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec
        && owner == other.owner && error == other.error;
}

IniFile::IniFile(QString path)
    : path_(std::move(path))
    , nativePath_(QFile::encodeName(path_))
{
}

void IniFile::refresh()
{
    if (!lookedThisTurn_)
        look();
}

bool IniFile::look()
{
    struct stat status { };
    Stamp found;
    if (::stat(nativePath_.constData(), &status) == 0)
        found = Stamp(status);
    else if (errno != ENOENT && errno != ENOTDIR)
        found.error = errno;
    keepUntilTheLoopTurns();
    if (loaded_ && *loaded_ == found)
        return true;
    load(found);
    return false;
}

void IniFile::keepUntilTheLoopTurns()
{
    if (lookedThisTurn_ || !QCoreApplication::instance() || turn_.thread() != QThread::currentThread())
        return;
    lookedThisTurn_ = true;
    QMetaObject::invokeMethod(
        &turn_, [this] { lookedThisTurn_ = false; }, Qt::QueuedConnection);
}

void IniFile::load(const Stamp& found)
{
    ++revision_;
    loaded_ = found;
    sections_.clear();
    text_.clear();
    problem_.reset();
    if (found.error != 0)
        return setProblem(SettingsProblem::Kind::Unreadable, systemMessage(found.error));
    if (found.mode == 0)
        return;
    if (!S_ISREG(found.mode))
        return setProblem(SettingsProblem::Kind::Unreadable, notAFile(found.mode));
    // Without waiting for a writer: what is found here may be a FIFO by now.
    const int file = ::open(nativePath_.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (file < 0)
        return setProblem(SettingsProblem::Kind::Unreadable, systemMessage(errno));
    struct stat status { };
    if (fstat(file, &status) != 0 || !S_ISREG(status.st_mode)) {
        const QString reason = status.st_mode == 0 ? systemMessage(errno) : notAFile(status.st_mode);
        close(file);
        return setProblem(SettingsProblem::Kind::Unreadable, reason);
    }
    // What was opened: a change made while reading is read next time.
    loaded_ = Stamp(status);
    QByteArray text(status.st_size + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    while (true) {
        if (filled == text.size())
            text.resize(filled + ReadStep);
        const ssize_t read = ::read(file, text.data() + filled, static_cast<std::size_t>(text.size() - filled));
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0) {
            const int error = errno;
            close(file);
            return setProblem(SettingsProblem::Kind::Unreadable, systemMessage(error));
        }
        if (read == 0)
            break;
        filled += read;
    }
    close(file);
    text.truncate(filled);
    text_ = std::move(text);
    if (const auto error = IniText::formatError(text_))
        setProblem(SettingsProblem::Kind::Unparseable, *error);
}

const IniText::ReadEntries& IniFile::section(const QString& section)
{
    auto found = sections_.find(section);
    if (found == sections_.end())
        found = sections_.emplace(section, IniText::entries(text_, section + QLatin1Char('/'))).first;
    return found->second;
}

std::optional<QByteArrayView> IniFile::value(const QString& section, const QString& key)
{
    const IniText::ReadEntries& entries = this->section(section);
    const auto found = std::lower_bound(
        entries.begin(), entries.end(), key, [](const auto& entry, const QString& key) { return entry.first < key; });
    if (found == entries.end() || found->first != key)
        return std::nullopt;
    return found->second.bytes();
}

bool IniFile::holds(const QString& section, const IniText::Entries& entries)
{
    return std::all_of(entries.begin(), entries.end(), [&](const auto& entry) {
        const auto found = value(section, entry.first);
        return found && *found == QByteArrayView(entry.second);
    });
}

void IniFile::setProblem(SettingsProblem::Kind kind, const QString& reason)
{
    problem_ = SettingsProblem{kind, path_.toStdString(), reason.toStdString()};
}

void IniFile::fail(SettingsProblem::Kind kind, const QString& reason)
{
    setProblem(kind, reason);
    throw SettingsError(*problem_);
}

bool IniFile::unreadable() const { return problem_ && problem_->kind != SettingsProblem::Kind::Unwritable; }

void IniFile::checkWritable()
{
    if (!loaded_ || loaded_->mode == 0)
        return;
    // Read-only as the user sees it: no one may write it, whatever the
    // rights of the account that runs the panel. A file of another account
    // is replaced only where this one may write it.
    if (!(loaded_->mode & (S_IWUSR | S_IWGRP | S_IWOTH))
        || (loaded_->owner != geteuid() && faccessat(AT_FDCWD, nativePath_.constData(), W_OK, AT_EACCESS) != 0))
        fail(SettingsProblem::Kind::Unwritable, QStringLiteral("the file is read-only"));
}

bool IniFile::write(const QString& section, const IniText::Entries& entries)
{
    // Whether the file was looked at in this access or this turn: what
    // decides that nothing is written needs no look more.
    bool current = lookedThisTurn_;
    if (!loaded_) {
        look();
        current = true;
    }
    for (int attempt = 0; attempt < WriteAttempts; ++attempt) {
        if (unreadable() || holds(section, entries)) {
            if (!current) {
                current = true;
                if (!look())
                    continue;
            }
            if (unreadable())
                throw SettingsError(*problem_);
            return false;
        }
        checkWritable();
        const QByteArray text = IniText::withEntries(text_, section, entries);
        std::optional<FileReplacement> replacement;
        try {
            replacement.emplace(
                nativePath_, text, loaded_->mode == 0 ? std::nullopt : std::optional(loaded_->mode & 07777));
            // Another program wrote the file since it was read: its change
            // is read and kept, not written over.
            current = true;
            if (!look())
                continue;
            replacement->commit();
        } catch (const std::runtime_error& error) {
            fail(SettingsProblem::Kind::Unwritable, QString::fromStdString(error.what()));
        }
        sections_.clear();
        text_ = text;
        loaded_ = Stamp(replacement->status());
        ++revision_;
        problem_.reset();
        return true;
    }
    fail(SettingsProblem::Kind::Unwritable, QStringLiteral("another program keeps changing it"));
}

} // namespace norvo::qt
