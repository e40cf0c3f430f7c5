#include "qt/QtSettingsStore.h"

#include "qt/Conversions.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace norvo::qt {

namespace {

const char* describe(QSettings::Status status)
{
    return status == QSettings::FormatError ? "is not a valid settings file" : "cannot be read or written";
}

// A file that did not parse must not be written over.
void requireSound(const QSettings& settings, const std::string& section, const std::string& key)
{
    if (settings.status() != QSettings::NoError)
        throw SettingsError("settings file " + settings.fileName().toStdString() + " " + describe(settings.status())
            + "; " + section + "/" + key + " was not saved");
}

QString groupKey(const std::string& section, const std::string& key)
{
    return toQString(section) + QLatin1Char('/') + toQString(key);
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : QtSettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
{
}

QtSettingsStore::QtSettingsStore(QString folder)
    : folder_(std::move(folder))
{
}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::fileName(const std::string& application) const
{
    return QDir(folder_).filePath(toQString(application) + QStringLiteral(".ini"));
}

QSettings& QtSettingsStore::open(const std::string& application)
{
    auto found = files_.find(application);
    if (found == files_.end())
        found = files_.emplace(application, std::make_unique<QSettings>(fileName(application), QSettings::IniFormat))
                    .first;
    return *found->second;
}

std::string QtSettingsStore::GetSetting(
    const std::string& application, const std::string& section, const std::string& key, const std::string& defaultValue)
{
    QSettings& settings = open(application);
    if (settings.status() != QSettings::NoError) {
        // The panel still starts, without what the file would have given it.
        qWarning("NorvoUITOKA: settings file %s %s; reading %s/%s gives its default", qPrintable(settings.fileName()),
            describe(settings.status()), section.c_str(), key.c_str());
        return defaultValue;
    }
    // Takes in what another program wrote meanwhile.
    settings.sync();
    const QVariant value = settings.value(groupKey(section, key));
    return value.isValid() ? toStdString(value.toString()) : defaultValue;
}

void QtSettingsStore::SaveSetting(
    const std::string& application, const std::string& section, const std::string& key, const std::string& value)
{
    QSettings& settings = open(application);
    requireSound(settings, section, key);
    settings.setValue(groupKey(section, key), toQString(value));
    settings.sync();
    requireSound(settings, section, key);
}

} // namespace norvo::qt
