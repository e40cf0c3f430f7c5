#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvo {

// A voice room as the simulated network knows it.
struct Station {
    std::string frequency; // "122.800"
    std::string room; // "EDDF_TWR"
    std::string info; // several lines, separated by "\r\n"
};

// The simulated network's small built-in list of stations, and how a radio
// frequency or a typed name finds its room.
class StationDirectory {
public:
    static const std::vector<Station>& stations();

    // "122.8", "122.80" and "122.800" all give "122.800"; nullopt for anything
    // that is not an air-band frequency (118.000 to 136.975).
    static std::optional<std::string> normalFrequency(std::string_view text);

    // The station on that frequency, or a generic room for an unstaffed one;
    // nullopt when the text is no frequency.
    static std::optional<Station> forFrequency(std::string_view frequency);

    // The room a typed name joins: a station by its exact room name, or by
    // frequency; nullopt for an unknown name.
    static std::optional<Station> forName(std::string_view name);
};

} // namespace norvo
