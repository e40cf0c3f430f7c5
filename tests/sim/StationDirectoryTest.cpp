#include "sim/StationDirectory.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

namespace norvo {
namespace {

struct FrequencyCase {
    const char* text;
    const char* normal; // nullptr: not a frequency
};

void PrintTo(const FrequencyCase& c, std::ostream* out) { *out << spelt(c.text); }

class Frequency : public ::testing::TestWithParam<FrequencyCase> { };

TEST_P(Frequency, IsReadAsAnAirBandFrequencyOrRefused)
{
    const auto normal = StationDirectory::normalFrequency(GetParam().text);
    EXPECT_EQ(normal, GetParam().normal ? std::optional<std::string>(GetParam().normal) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Texts, Frequency,
    ::testing::Values(FrequencyCase{"122.8", "122.800"}, FrequencyCase{"122.80", "122.800"},
        FrequencyCase{"118.000", "118.000"}, FrequencyCase{"136.975", "136.975"}, FrequencyCase{"117.999", nullptr},
        FrequencyCase{"136.980", nullptr}, FrequencyCase{"122.", nullptr}, FrequencyCase{"122,800", nullptr},
        FrequencyCase{"1228.00", nullptr}, FrequencyCase{"122.8000", nullptr}, FrequencyCase{"011.9000", nullptr},
        FrequencyCase{" 122.800", nullptr}, FrequencyCase{"12a.800", nullptr}),
    NamedAfterPrintTo());

} // namespace
} // namespace norvo
