#include "panel/PanelText.h"
#include "panel/TokaControls.h"

#include <string>

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
        const std::string room
            = trimSpaces(env_.settings.GetSetting(SettingsApplication, SettingsSection, channelKey(n), ""));
        if (!room.empty())
            box.addItem(room);
    }
    if (const auto problem = env_.settings.problem(SettingsApplication))
        reportSettingsProblem(*problem);
}

// Puts the room shown in the box at the top of its list and stores the list.
void TOKA::rememberChannel(ComboBox& box)
{
    const std::string name = trimSpaces(box.text());
    if (name.empty())
        return;
    // The first room ever joined is stored at once, so that it survives a
    // restart.
    if (box.listCount() == 0) {
        box.addItem(name);
        saveChannels(box);
        return;
    }
    // A room already listed moves to the top in one change, and one already
    // on top changes nothing.
    const std::int32_t count = box.listCount();
    std::int32_t listed = -1;
    for (std::int32_t position = 0; position < count && listed < 0; ++position)
        if (box.list(position) == name)
            listed = position;
    if (listed >= 0)
        box.moveItem(listed, 0);
    else
        box.addItem(name, 0);
    box.setText(name);
    saveChannels(box);
}

// One change of the store, which writes nothing when it holds the list
// already. A store that cannot keep the list ends the refresh that saved;
// the list stays in memory and the host hears of it first.
void TOKA::saveChannels(const ComboBox& box)
{
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
