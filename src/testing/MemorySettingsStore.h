#pragma once

#include "platform/SettingsStore.h"

#include <map>
#include <tuple>

namespace norvo {

// A settings store held in memory, for tests and scripts.
class MemorySettingsStore : public SettingsStore {
public:
    using Key = std::tuple<std::string, std::string, std::string>;

    std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
        const std::string& defaultValue) override;
    void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
        const std::string& value) override;

    const std::map<Key, std::string>& entries() const { return entries_; }
    std::size_t writeCount() const { return writeCount_; }

private:
    std::map<Key, std::string> entries_;
    std::size_t writeCount_ = 0;
};

} // namespace norvo
