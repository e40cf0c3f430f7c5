#include "sim/StationDirectory.h"

#include <algorithm>
#include <cstdint>

namespace norvo {

namespace {

constexpr std::int32_t LowestKilohertz = 118000;
constexpr std::int32_t HighestKilohertz = 136975;
constexpr std::string_view GenericPrefix = "FREQ_";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

const std::vector<Station>& StationDirectory::stations()
{
    static const std::vector<Station> table = {
        {"118.500", "EGLL_TWR", "London Heathrow Tower\r\nRunways 27L/27R in use\r\nExpect ILS approach"},
        {"119.250", "LFPG_TWR", "Paris Charles de Gaulle Tower\r\nRunways 26L/27R in use"},
        {"121.500", "GUARD", "Emergency frequency\r\nMonitor only, no chatter"},
        {"121.900", "EDDF_GND", "Frankfurt Ground\r\nStartup and pushback on request"},
        {"122.800", "EDDF_TWR", "Frankfurt Tower\r\nRunway 25C in use, QNH 1013\r\nInformation K is current"},
        {"124.300", "EHAM_APP", "Amsterdam Approach\r\nTransition level 60"},
        {"127.725", "EDGG_CTR", "Langen Radar\r\nCentre sector west"},
    };
    return table;
}

std::optional<std::string> StationDirectory::normalFrequency(std::string_view text)
{
    // Three digits, a dot, one to three digits; parsed as whole kilohertz.
    if (text.size() < 5 || text.size() > 7 || text[3] != '.')
        return std::nullopt;
    std::int32_t kilohertz = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 3)
            continue;
        if (!isDigit(text[i]))
            return std::nullopt;
        kilohertz = kilohertz * 10 + (text[i] - '0');
    }
    for (std::size_t missing = text.size(); missing < 7; ++missing)
        kilohertz *= 10;
    if (kilohertz < LowestKilohertz || kilohertz > HighestKilohertz)
        return std::nullopt;
    std::string normal = std::to_string(kilohertz);
    normal.insert(3, ".");
    return normal;
}

std::optional<Station> StationDirectory::forFrequency(std::string_view frequency)
{
    const auto normal = normalFrequency(frequency);
    if (!normal)
        return std::nullopt;
    const auto& table = stations();
    const auto found
        = std::find_if(table.begin(), table.end(), [&](const Station& s) { return s.frequency == *normal; });
    if (found != table.end())
        return *found;
    return Station{*normal, std::string(GenericPrefix) + *normal, "Unicom " + *normal + "\r\nNo controller online"};
}

std::optional<Station> StationDirectory::forName(std::string_view name)
{
    const auto& table = stations();
    const auto found = std::find_if(table.begin(), table.end(), [&](const Station& s) { return s.room == name; });
    if (found != table.end())
        return *found;
    // A generic room is joined again by the name it was given.
    if (name.substr(0, GenericPrefix.size()) == GenericPrefix) {
        auto generic = forFrequency(name.substr(GenericPrefix.size()));
        if (generic && generic->room == name)
            return generic;
        return std::nullopt;
    }
    return forFrequency(name);
}

} // namespace norvo
