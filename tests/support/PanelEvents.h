#pragma once

#include "panel/TOKA.h"

#include <cstdint>

namespace norvo::testing {

// The voice client raises an event into the panel, as it would on its own.
inline void raiseEvent(TOKA& panel, VoiceEvent::Kind kind, std::int32_t handle = 0, std::int32_t index = 0)
{
    panel.eventSink().receive({kind, handle, index});
}

} // namespace norvo::testing
