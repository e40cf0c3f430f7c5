#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>

#include <cstdint>
#include <string>

namespace norvo {

class VoiceEvents;

// One event of the voice client as a value, so that it can wait in a queue or
// cross to another thread. handle and index are 0 where the event has none.
struct NORVOUITOKA_EXPORT VoiceEvent {
    enum class Kind {
        Disconnected,
        Connected,
        MainPilotUserDeleted,
        MainPilotUserChanged,
        MainPilotUserCreated,
        ObjectCreated,
        ObjectDeleted,
        ObjectTextChanged,
        ObjectValueChanged,
    };

    Kind kind = Kind::Connected;
    std::int32_t handle = 0;
    std::int32_t index = 0;

    // Calls the matching Norvo_ member of the sink.
    void deliverTo(VoiceEvents& sink) const;
    // "ObjectValueChanged(7, 9)", "Disconnected".
    std::string describe() const;

    bool operator==(const VoiceEvent&) const = default;
};

} // namespace norvo
