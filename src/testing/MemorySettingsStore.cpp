#include "testing/MemorySettingsStore.h"

namespace norvo {

std::string MemorySettingsStore::GetSetting(
    const std::string& application, const std::string& section, const std::string& key, const std::string& defaultValue)
{
    const auto found = entries_.find({application, section, key});
    return found == entries_.end() ? defaultValue : found->second;
}

void MemorySettingsStore::SaveSetting(
    const std::string& application, const std::string& section, const std::string& key, const std::string& value)
{
    entries_[{application, section, key}] = value;
    ++writeCount_;
}

} // namespace norvo
