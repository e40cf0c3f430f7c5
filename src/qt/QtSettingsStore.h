#pragma once

#include "platform/SettingsStore.h"

#include <QString>

#include <map>
#include <memory>
#include <string>

class QSettings;

namespace norvo::qt {

// The per-user settings store on QSettings: one INI file per application
// ("NORVOUITOKA.ini"), a group per section, string values under their keys.
//
// A file that cannot be read or parsed when the store first opens it is never
// written over: reading it logs a warning and gives the default, writing it
// raises SettingsError.
class QtSettingsStore final : public SettingsStore {
public:
    // Files in the user's configuration folder.
    QtSettingsStore();
    // Files in the given folder.
    explicit QtSettingsStore(QString folder);
    ~QtSettingsStore() override;

    QString fileName(const std::string& application) const;

    std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
        const std::string& defaultValue) override;
    void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
        const std::string& value) override;

private:
    // The application's file, opened once: its status tells how the file read
    // the first time, which later opens in this process would not repeat.
    QSettings& open(const std::string& application);

    QString folder_;
    std::map<std::string, std::unique_ptr<QSettings>> files_;
};

} // namespace norvo::qt
