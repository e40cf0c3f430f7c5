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
    Entries GetAllSettings(const std::string& application, const std::string& section) override;
    void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
        const std::string& value) override;
    bool SaveSettings(const std::string& application, const std::string& section, const Entries& entries) override;
    std::optional<SettingsProblem> problem(const std::string& application) override;
    // Every write counts, whatever the application.
    std::optional<std::uint64_t> revision(const std::string&) override { return writeCount_; }

    // From now on every write raises SettingsError with this problem and
    // changes nothing; none lets writes through again.
    void failWrites(std::optional<SettingsProblem> problem) { failure_ = std::move(problem); }

    const std::map<Key, std::string>& entries() const { return entries_; }
    // Writes that reached the store: a batch counts once.
    std::size_t writeCount() const { return writeCount_; }

private:
    void checkWritable();

    std::map<Key, std::string> entries_;
    std::size_t writeCount_ = 0;
    std::optional<SettingsProblem> failure_;
};

} // namespace norvo
