#pragma once

#include <NorvoUITOKA/norvouitoka_qt_export.h>
#include <NorvoUITOKA/platform/SettingsStore.h>

#include <QString>

#include <map>
#include <memory>
#include <string>

namespace norvo::qt {

class IniFile;

// The per-user settings store on INI files in QSettings' format: one file per
// application ("NORVOUITOKA.ini"), a section per section name, string values
// under their keys.
//
// A save replaces the file in one step and keeps every line that is not
// saved as it was. A file that cannot be read or does not parse is never
// written over: reading it gives what could be read (problem() says why),
// writing it raises SettingsError.
class NORVOUITOKA_QT_EXPORT QtSettingsStore final : public SettingsStore {
public:
    // Files in the user's configuration folder.
    QtSettingsStore();
    // Files in the given folder.
    explicit QtSettingsStore(QString folder);
    ~QtSettingsStore() override;
    // One file of the host's choosing for every application.
    static std::unique_ptr<QtSettingsStore> forFile(QString file);

    QString fileName(const std::string& application) const;

    std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
        const std::string& defaultValue) override;
    Entries GetAllSettings(const std::string& application, const std::string& section) override;
    void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
        const std::string& value) override;
    bool SaveSettings(const std::string& application, const std::string& section, const Entries& entries) override;
    std::optional<SettingsProblem> problem(const std::string& application) override;

private:
    // The application's file, brought up to date with the disk.
    IniFile& file(const std::string& application);

    QString folder_;
    QString onlyFile_;
    std::map<std::string, std::unique_ptr<IniFile>> files_;
};

} // namespace norvo::qt
