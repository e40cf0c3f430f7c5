#pragma once

#include <NorvoUITOKA/norvouitoka_qtcommon_export.h>
#include <NorvoUITOKA/platform/SettingsStore.h>

#include <QString>

#include <map>
#include <memory>
#include <string>

namespace norvo::qt {

class IniFile;

// The per-user settings store on INI files in QSettings' format: one file per
// application ("NORVOUITOKA.ini"), a section per section name, values under
// their keys (their bytes as the file holds them, UTF-8 or not; of a key
// given twice, the later line counts).
//
// A save writes the new file in full and flushes it before it replaces the
// old one in one step, and changes only the values that change: every other
// byte stays. A save that cannot write every byte (a full disk) leaves the
// file as it was and raises SettingsError. A file that cannot be read, does
// not parse or is no regular file (a FIFO) is never written over: reading it
// gives what could be read (problem() says why), writing it raises
// SettingsError. Within one turn of the event loop the file is looked at
// once: the handlers that run in it find it as it was then.
class NORVOUITOKA_QTCOMMON_EXPORT QtSettingsStore final : public SettingsStore {
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
    std::optional<std::uint64_t> revision(const std::string& application) override;

private:
    IniFile& file(const std::string& application);
    // The application's file, brought up to date with the disk.
    IniFile& current(const std::string& application);

    QString folder_;
    QString onlyFile_;
    std::map<std::string, std::unique_ptr<IniFile>> files_;
};

} // namespace norvo::qt
