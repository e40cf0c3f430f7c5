#pragma once

#include <stdexcept>
#include <string>

namespace norvo {

// Raised when the store cannot be read or written.
class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The per-user application settings store: string values addressed by
// application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored value, or defaultValue when the key is missing.
    virtual std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
        const std::string& defaultValue)
        = 0;
    virtual void SaveSetting(
        const std::string& application, const std::string& section, const std::string& key, const std::string& value)
        = 0;
};

} // namespace norvo
