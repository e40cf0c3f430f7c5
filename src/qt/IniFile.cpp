#include "qt/IniFile.h"

#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryFile>

#include <algorithm>
#include <system_error>

namespace norvo::qt {

namespace {

// How often a save starts again when another program changes the file
// while it is being saved.
constexpr int WriteAttempts = 3;

// Read-only as the user sees it: no one may write it, whatever the rights
// of the account that runs the panel.
bool isReadOnly(const QFileInfo& info)
{
    const auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !info.isWritable() || !(info.permissions() & writeBits);
}

} // namespace

IniFile::IniFile(QString path)
    : path_(std::move(path))
    , nativePath_(QFile::encodeName(path_).toStdString())
{
}

IniFile::Stamp IniFile::stamp() const
{
    std::error_code error;
    Stamp now;
    now.type = std::filesystem::status(nativePath_, error).type();
    if (now.type == std::filesystem::file_type::regular) {
        now.size = std::filesystem::file_size(nativePath_, error);
        now.modified = std::filesystem::last_write_time(nativePath_, error);
    }
    return now;
}

void IniFile::refresh()
{
    if (!loaded_ || *loaded_ != stamp())
        load();
}

void IniFile::load()
{
    // Stamped before reading: a change made while reading is read next time.
    loaded_ = stamp();
    text_.clear();
    values_.clear();
    problem_.reset();
    switch (loaded_->type) {
    case std::filesystem::file_type::not_found:
    case std::filesystem::file_type::none: return;
    case std::filesystem::file_type::directory:
        setProblem(SettingsProblem::Kind::Unreadable, QStringLiteral("it is a folder"));
        return;
    default: break;
    }
    QFile file(path_);
    if (file.open(QIODevice::ReadOnly))
        text_ = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        text_.clear();
        setProblem(SettingsProblem::Kind::Unreadable, file.errorString());
        return;
    }
    parse();
}

// QSettings reads the text that was read here, from a copy of its own: so
// the values and the text are the same version of the file, and no values
// QSettings keeps from an earlier reading of the file come back.
void IniFile::parse()
{
    QTemporaryFile copy;
    if (!copy.open() || copy.write(text_) != text_.size() || !copy.flush()) {
        setProblem(SettingsProblem::Kind::Unreadable,
            QStringLiteral("no copy to read it from can be made: ") + copy.errorString());
        return;
    }
    QSettings settings(copy.fileName(), QSettings::IniFormat);
    // Asking for every key parses every section, not only those read.
    const QStringList keys = settings.allKeys();
    values_.reserve(keys.size());
    for (const QString& key : keys) {
        // A line "=value" gives a key that QSettings lists but will not look up.
        if (!key.isEmpty())
            values_.insert(key, settings.value(key).toString());
    }
    if (settings.status() == QSettings::FormatError)
        setProblem(SettingsProblem::Kind::Unparseable,
            QStringLiteral("a line is neither a [section], a key=value nor a ;comment"));
}

std::optional<QString> IniFile::value(const QString& key) const
{
    const auto found = values_.constFind(key);
    return found == values_.constEnd() ? std::nullopt : std::optional<QString>(*found);
}

IniText::Entries IniFile::section(const QString& section) const
{
    const QString prefix = section + QLatin1Char('/');
    IniText::Entries entries;
    for (auto it = values_.constBegin(); it != values_.constEnd(); ++it)
        if (it.key().startsWith(prefix))
            entries.emplace_back(it.key().sliced(prefix.size()), it.value());
    std::sort(entries.begin(), entries.end());
    return entries;
}

bool IniFile::holds(const QString& section, const IniText::Entries& entries) const
{
    const QString prefix = section + QLatin1Char('/');
    return std::all_of(entries.begin(), entries.end(), [&](const auto& entry) {
        const auto found = values_.constFind(prefix + entry.first);
        return found != values_.constEnd() && *found == entry.second;
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

void IniFile::checkReadable() const
{
    if (problem_ && problem_->kind != SettingsProblem::Kind::Unwritable)
        throw SettingsError(*problem_);
}

void IniFile::checkWritable()
{
    const QFileInfo info(path_);
    const QString folder = info.absolutePath();
    if (!QDir().mkpath(folder))
        fail(SettingsProblem::Kind::Unwritable, QStringLiteral("its folder %1 cannot be made").arg(folder));
    if (isReadOnly(QFileInfo(folder)))
        fail(SettingsProblem::Kind::Unwritable, QStringLiteral("its folder is read-only"));
    if (info.exists() && isReadOnly(info))
        fail(SettingsProblem::Kind::Unwritable, QStringLiteral("the file is read-only"));
}

bool IniFile::write(const QString& section, const IniText::Entries& entries)
{
    for (int attempt = 0; attempt < WriteAttempts; ++attempt) {
        refresh();
        checkReadable();
        if (holds(section, entries))
            return false;
        checkWritable();
        const QByteArray text = IniText::withEntries(text_, section, entries);
        QSaveFile file(path_);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            fail(SettingsProblem::Kind::Unwritable, file.errorString());
        // Another program wrote the file since it was read: its change is
        // read and kept, not written over.
        if (*loaded_ != stamp()) {
            file.cancelWriting();
            continue;
        }
        if (!file.commit())
            fail(SettingsProblem::Kind::Unwritable, file.errorString());
        text_ = text;
        const QString prefix = section + QLatin1Char('/');
        for (const auto& [key, value] : entries)
            values_.insert(prefix + key, value);
        loaded_ = stamp();
        problem_.reset();
        return true;
    }
    fail(SettingsProblem::Kind::Unwritable, QStringLiteral("another program keeps changing it"));
}

} // namespace norvo::qt
