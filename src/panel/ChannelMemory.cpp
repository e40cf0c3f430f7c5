#include "panel/PanelText.h"
#include "panel/TokaControls.h"
#include "platform/SameText.h"

#include <algorithm>
#include <string>
#include <vector>

namespace norvo {

namespace {

// Start-up reads one key more than a save clears: a room under the last key
// is loaded but never cleared.
constexpr std::int32_t LoadedKeys = 21;
constexpr std::int32_t ClearedKeys = 20;

std::string channelKey(std::int32_t position) { return "CHANNEL" + std::to_string(position); }

} // namespace

void TOKA::loadChannels()
{
    ComboBox& box = Controls::element(controls_->FreqInfo, 2, "FreqInfo");
    for (std::int32_t n = 0; n < LoadedKeys; ++n) {
        const std::string value = env_.settings.GetSetting(SettingsApplication, SettingsSection, channelKey(n), "");
        const std::string_view room = trimSpaces(value);
        if (!room.empty())
            box.addItem(std::string(room));
    }
    if (const auto problem = env_.settings.problem(SettingsApplication))
        reportSettingsProblem(*problem);
}

// Puts the room shown in the box at the top of its list and stores the list.
void TOKA::rememberChannel(ComboBox& box)
{
    // A view of the box's text, which the changes of the list leave alone:
    // copied only where something takes it.
    const std::string_view name = trimSpaces(box.text());
    if (name.empty())
        return;
    // The first room ever joined is stored at once, so that it survives a
    // restart.
    if (box.listCount() == 0) {
        box.addItem(std::string(name));
        saveChannels(box);
        return;
    }
    // A room already listed moves to the top in one change, and one already
    // on top changes nothing.
    const std::vector<std::string>& items = box.items();
    const auto listed
        = std::find_if(items.begin(), items.end(), [name](const std::string& item) { return sameText(item, name); });
    if (listed == items.end())
        box.addItem(std::string(name), 0);
    else if (listed != items.begin())
        box.moveItem(static_cast<std::int32_t>(listed - items.begin()), 0);
    // The text without its spaces: the same text unless it had some.
    if (name.size() != box.text().size())
        box.setText(std::string(name));
    saveChannels(box);
}

// One change of the store, which writes nothing when it holds the list
// already. A store that cannot keep the list ends the refresh that saved;
// the list stays in memory and the host hears of it first.
void TOKA::saveChannels(const ComboBox& box)
{
    // Neither the list nor the store changed since the list was saved: the
    // store holds it, and saving it again would do nothing. Most refreshes
    // of a connected free channel end here, without building the entries.
    static const std::string application(SettingsApplication);
    const auto savedNow = [&] { return SavedChannels{box.listChanges(), env_.settings.revision(application)}; };
    if (savedChannels_ && savedChannels_->store && *savedChannels_ == savedNow()) {
        settingsProblem_.reset();
        return;
    }
    SettingsStore::Entries entries;
    std::int32_t n = 0;
    for (; n < box.listCount(); ++n)
        entries.emplace_back(channelKey(n), box.list(n));
    for (; n < ClearedKeys; ++n)
        entries.emplace_back(channelKey(n), "");
    try {
        env_.settings.SaveSettings(SettingsApplication, SettingsSection, entries);
    } catch (const SettingsError& error) {
        reportSettingsProblem(error.problem());
        throw;
    }
    savedChannels_ = savedNow();
    settingsProblem_.reset();
}

void TOKA::reportSettingsProblem(const SettingsProblem& problem)
{
    if (settingsProblem_ == problem)
        return;
    settingsProblem_ = problem;
    SettingsProblemFound(problem);
}

} // namespace norvo
