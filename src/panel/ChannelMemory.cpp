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
    const std::int32_t count = box.listCount();
    for (std::int32_t position = 0; position < count; ++position) {
        if (box.list(position) == name) {
            box.removeItem(position);
            break;
        }
    }
    box.addItem(name, 0);
    box.setText(name);
    saveChannels(box);
}

void TOKA::saveChannels(const ComboBox& box)
{
    std::int32_t n = 0;
    for (; n < box.listCount(); ++n)
        env_.settings.SaveSetting(SettingsApplication, SettingsSection, channelKey(n), box.list(n));
    for (; n < ClearedKeys; ++n)
        env_.settings.SaveSetting(SettingsApplication, SettingsSection, channelKey(n), "");
}

} // namespace norvo
