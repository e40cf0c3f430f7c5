#pragma once

#include "panel/TOKA.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

namespace norvo::replay {

// The panel's own fields that `print` shows by name.
inline constexpr std::array<std::pair<std::string_view, std::int32_t TokaFields::*>, 15> PanelFields = {{
    {"VoiceHandle", &TokaFields::VoiceHandle},
    {"HostinghWnd", &TokaFields::HostinghWnd},
    {"WindowRegion", &TokaFields::WindowRegion},
    {"RoomCount", &TokaFields::RoomCount},
    {"SlotCount", &TokaFields::SlotCount},
    {"FirstIndex", &TokaFields::FirstIndex},
    {"NameBase", &TokaFields::NameBase},
    {"InfoBase", &TokaFields::InfoBase},
    {"StateBase", &TokaFields::StateBase},
    {"SpeakerBase", &TokaFields::SpeakerBase},
    {"ReceiveBase", &TokaFields::ReceiveBase},
    {"TransmitBase", &TokaFields::TransmitBase},
    {"RecvActivityBase", &TokaFields::RecvActivityBase},
    {"SendActivityBase", &TokaFields::SendActivityBase},
    {"PriorityBase", &TokaFields::PriorityBase},
}};

} // namespace norvo::replay
