#include "qt/common/QtSettingsStore.h"

#include "qt/common/Conversions.h"
#include "qt/common/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace norvo::qt {

QtSettingsStore::QtSettingsStore()
    : QtSettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
{
}

QtSettingsStore::QtSettingsStore(QString folder)
    : folder_(std::move(folder))
{
}

QtSettingsStore::~QtSettingsStore() = default;

std::unique_ptr<QtSettingsStore> QtSettingsStore::forFile(QString file)
{
    auto store = std::make_unique<QtSettingsStore>(QString());
    // Problems name the file in full, wherever the program runs.
    store->onlyFile_ = QFileInfo(file).absoluteFilePath();
    return store;
}

QString QtSettingsStore::fileName(const std::string& application) const
{
    if (!onlyFile_.isEmpty())
        return onlyFile_;
    return QDir(folder_).filePath(toQString(application) + QStringLiteral(".ini"));
}

IniFile& QtSettingsStore::file(const std::string& application)
{
    auto found = files_.find(application);
    if (found == files_.end())
        found = files_.emplace(application, std::make_unique<IniFile>(fileName(application))).first;
    return *found->second;
}

IniFile& QtSettingsStore::current(const std::string& application)
{
    IniFile& found = file(application);
    found.refresh();
    return found;
}

// Values are bytes: what the file holds comes back as it is, UTF-8 or not.
std::string QtSettingsStore::GetSetting(
    const std::string& application, const std::string& section, const std::string& key, const std::string& defaultValue)
{
    const auto value = current(application).value(toQString(section), toQString(key));
    return value ? bytesToStdString(*value) : defaultValue;
}

SettingsStore::Entries QtSettingsStore::GetAllSettings(const std::string& application, const std::string& section)
{
    Entries entries;
    for (const auto& [key, value] : current(application).section(toQString(section)))
        entries.emplace_back(toStdString(key), bytesToStdString(value.bytes()));
    return entries;
}

void QtSettingsStore::SaveSetting(
    const std::string& application, const std::string& section, const std::string& key, const std::string& value)
{
    SaveSettings(application, section, {{key, value}});
}

bool QtSettingsStore::SaveSettings(const std::string& application, const std::string& section, const Entries& entries)
{
    IniFile& target = file(application);
    IniText::Entries converted;
    converted.reserve(entries.size());
    for (const auto& [key, value] : entries) {
        if (key.empty())
            throw SettingsError(SettingsProblem{SettingsProblem::Kind::Unwritable, target.path().toStdString(),
                "a value needs a key: " + section + " has none for \"" + value + "\""});
        converted.emplace_back(toQString(key), QByteArray::fromStdString(value));
    }
    return target.write(toQString(section), converted);
}

// As found by the last access: asking needs no look at the file.
std::optional<SettingsProblem> QtSettingsStore::problem(const std::string& application)
{
    const auto found = files_.find(application);
    return found == files_.end() ? current(application).problem() : found->second->problem();
}

std::optional<std::uint64_t> QtSettingsStore::revision(const std::string& application)
{
    return current(application).revision();
}

} // namespace norvo::qt
