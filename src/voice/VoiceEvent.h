#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>

#include <cstdint>
#include <string>

namespace norvo {

/// One event of the voice client, as a value that can wait in a queue or cross
/// to another thread. The numbers are the events' places in the client's
/// event interface; the panel handles event X in its member Norvo_X. handle
/// and index are 0 where the event has none.
struct NORVOUITOKA_EXPORT VoiceEvent {
    /// Which event it is.
    enum class Kind {
        Disconnected, ///< 9: the network went down; the panel unbinds.
        Connected, ///< 10: the network is up.
        MainPilotUserDeleted, ///< 25: the main pilot user went away.
        MainPilotUserChanged, ///< 26: its radios or selections changed.
        MainPilotUserCreated, ///< 28: the main pilot user appeared.
        ObjectCreated, ///< 57, handle: an object appeared; the voice object is bound.
        ObjectDeleted, ///< 59, handle: an object went away.
        ObjectTextChanged, ///< 60, handle and index: a text value changed.
        ObjectValueChanged, ///< 61, handle and index: a numeric value changed.
    };

    Kind kind = Kind::Connected; ///< Which event it is.
    std::int32_t handle = 0; ///< The object's handle, for the object events.
    std::int32_t index = 0; ///< The property's index, for the change events.

    /// "ObjectValueChanged(7, 9)", "ObjectCreated(7)", "Disconnected".
    std::string describe() const;

    /// Same event, handle and index.
    bool operator==(const VoiceEvent&) const = default;
};

} // namespace norvo
