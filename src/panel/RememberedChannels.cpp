#include "panel/RememberedChannels.h"

#include "panel/TOKA.h"
#include "platform/TrimSpaces.h"

#include <algorithm>

namespace norvo {

namespace {

// Start-up reads one key more than a save clears: a room under the last key
// is loaded but never cleared.
constexpr std::int32_t LoadedKeys = 21;
constexpr std::int32_t ClearedKeys = 20;
// As the store takes them: a refresh asks for the revision, with no string
// made for it.
const std::string Application = TOKA::SettingsApplication;
const std::string Section = TOKA::SettingsSection;

std::string channelKey(std::int32_t position) { return "CHANNEL" + std::to_string(position); }

} // namespace

void RememberedChannels::load()
{
    std::vector<std::string> rooms;
    for (std::int32_t n = 0; n < LoadedKeys; ++n) {
        std::string value = store_.GetSetting(Application, Section, channelKey(n), "");
        const std::string_view room = trimSpaces(value);
        if (room.empty())
            continue;
        // Trimmed where it stands and moved: a long value is never copied.
        const auto first = static_cast<std::size_t>(room.data() - value.data());
        value.erase(first + room.size()).erase(0, first);
        rooms.push_back(std::move(value));
    }
    rooms_ = std::make_shared<const std::vector<std::string>>(std::move(rooms));
    if (const auto problem = store_.problem(Application))
        report(*problem);
}

bool RememberedChannels::remember(std::string_view room)
{
    const std::vector<std::string>& rooms = *rooms_;
    const auto listed = std::find(rooms.begin(), rooms.end(), room);
    if (listed == rooms.begin() && listed != rooms.end())
        return false;
    std::vector<std::string> changed;
    changed.reserve(rooms.size() + 1);
    changed.emplace_back(room);
    for (auto other = rooms.begin(); other != rooms.end(); ++other) {
        if (other != listed)
            changed.push_back(*other);
    }
    rooms_ = std::make_shared<const std::vector<std::string>>(std::move(changed));
    unsaved_ = true;
    return true;
}

void RememberedChannels::save()
{
    // The store holds the list as it was saved: saving it again would write
    // nothing. Most refreshes of a connected free channel end here.
    if (!unsaved_ && savedRevision_ && savedRevision_ == store_.revision(Application)) {
        problem_.reset();
        return;
    }
    write();
}

void RememberedChannels::write()
{
    SettingsStore::Entries entries;
    std::int32_t n = 0;
    for (const std::string& room : *rooms_)
        entries.emplace_back(channelKey(n++), room);
    for (; n < ClearedKeys; ++n)
        entries.emplace_back(channelKey(n), "");
    try {
        store_.SaveSettings(Application, Section, entries);
    } catch (const SettingsError& error) {
        report(error.problem());
        throw;
    }
    unsaved_ = false;
    savedRevision_ = store_.revision(Application);
    problem_.reset();
}

void RememberedChannels::report(const SettingsProblem& problem)
{
    if (problem_ == problem)
        return;
    problem_ = problem;
    problemFound_(problem);
}

} // namespace norvo
