#include "recording/MemorySettingsStore.h"

#include <algorithm>

namespace norvo {

std::string MemorySettingsStore::GetSetting(
    const std::string& application, const std::string& section, const std::string& key, const std::string& defaultValue)
{
    const auto found = entries_.find({application, section, key});
    return found == entries_.end() ? defaultValue : found->second;
}

SettingsStore::Entries MemorySettingsStore::GetAllSettings(const std::string& application, const std::string& section)
{
    Entries all;
    for (const auto& [key, value] : entries_)
        if (std::get<0>(key) == application && std::get<1>(key) == section)
            all.emplace_back(std::get<2>(key), value);
    return all;
}

void MemorySettingsStore::checkWritable()
{
    if (failure_)
        throw SettingsError(*failure_);
}

void MemorySettingsStore::SaveSetting(
    const std::string& application, const std::string& section, const std::string& key, const std::string& value)
{
    checkWritable();
    entries_[{application, section, key}] = value;
    ++writeCount_;
}

bool MemorySettingsStore::SaveSettings(
    const std::string& application, const std::string& section, const Entries& entries)
{
    const bool unchanged = std::all_of(entries.begin(), entries.end(), [&](const auto& entry) {
        const auto found = entries_.find({application, section, entry.first});
        return found != entries_.end() && found->second == entry.second;
    });
    if (unchanged)
        return false;
    checkWritable();
    for (const auto& [key, value] : entries)
        entries_[{application, section, key}] = value;
    ++writeCount_;
    return true;
}

std::optional<SettingsProblem> MemorySettingsStore::problem(const std::string&) { return failure_; }

} // namespace norvo
