#pragma once

#include "platform/SettingsStore.h"
#include "platform/Signal.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvo {

// The rooms the user joined on the free channel, most recent first, and
// their place in the settings store (the panel's application and section),
// one room under each key "CHANNELn".
class RememberedChannels {
public:
    // A problem the store meets is raised on problemFound once for each new
    // one.
    RememberedChannels(SettingsStore& store, Signal<const SettingsProblem&>& problemFound)
        : store_(store)
        , problemFound_(problemFound)
    {
    }

    const std::vector<std::string>& rooms() const { return *rooms_; }
    // The list as a whole, for the box that shows it: each change makes a
    // new one, so a list handed out never changes.
    const std::shared_ptr<const std::vector<std::string>>& list() const { return rooms_; }

    // Start-up: the rooms under the keys CHANNEL0 to CHANNEL20, without their
    // spaces, in key order; empty keys leave no gap.
    void load();
    // Puts the room on top: it moves there when listed (compared exactly),
    // else it is added. False when the list stays as it was.
    bool remember(std::string_view room);
    // Writes the list as one change of the store, the keys up to CHANNEL19
    // that it does not fill cleared. Nothing is written while neither the list
    // nor the store changed since the list was last saved. A store that
    // cannot keep the list raises its SettingsError; the list stays.
    void save();

    // What stood in the way of the store last; cleared by a save that went
    // through.
    const std::optional<SettingsProblem>& problem() const { return problem_; }

private:
    // Writes the list, whatever the store holds.
    void write();
    void report(const SettingsProblem& problem);

    SettingsStore& store_;
    Signal<const SettingsProblem&>& problemFound_;
    std::shared_ptr<const std::vector<std::string>> rooms_ = std::make_shared<const std::vector<std::string>>();
    std::optional<SettingsProblem> problem_;
    // Whether the list changed since it was last saved, and the store's
    // revision right after that save.
    bool unsaved_ = true;
    std::optional<std::uint64_t> savedRevision_;
};

} // namespace norvo
