#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>

#include <cstdint>
#include <string>

namespace norvo {

// One event of the voice client, as a value that can wait in a queue or cross
// to another thread. The numbers are the events' places in the client's
// event interface; the panel handles event X in its member Norvo_X. handle
// and index are 0 where the event has none.
struct NORVOUITOKA_EXPORT VoiceEvent {
    enum class Kind {
        Disconnected, // 9
        Connected, // 10
        MainPilotUserDeleted, // 25
        MainPilotUserChanged, // 26
        MainPilotUserCreated, // 28
        ObjectCreated, // 57: handle
        ObjectDeleted, // 59: handle
        ObjectTextChanged, // 60: handle, index
        ObjectValueChanged, // 61: handle, index
    };

    Kind kind = Kind::Connected;
    std::int32_t handle = 0;
    std::int32_t index = 0;

    // "ObjectValueChanged(7, 9)", "ObjectCreated(7)", "Disconnected".
    std::string describe() const;

    bool operator==(const VoiceEvent&) const = default;
};

} // namespace norvo
