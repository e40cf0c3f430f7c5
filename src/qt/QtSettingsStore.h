#pragma once

#include "platform/SettingsStore.h"

#include <QString>

namespace norvo::qt {

// The per-user settings store on QSettings: one INI file per application
// ("NORVOUITOKA.ini"), a group per section, string values under their keys.
//
// A file that cannot be read or parsed is never overwritten: reading it logs a
// warning and gives the default, writing it raises SettingsError.
class QtSettingsStore final : public SettingsStore {
public:
    // Files in the user's configuration folder.
    QtSettingsStore();
    // Files in the given folder.
    explicit QtSettingsStore(QString folder);

    QString fileName(const std::string& application) const;

    std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
        const std::string& defaultValue) override;
    void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
        const std::string& value) override;

private:
    QString folder_;
};

} // namespace norvo::qt
