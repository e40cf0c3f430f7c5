#pragma once

#include "support/CaseNames.h"

#include <gtest/gtest.h>

#include <ostream>

namespace norvo::testing {

// SetReceiveBoth on a pilot with these selections: receiving on both radios,
// or back to the transmit radio, radio 1 when the transmit radio is neither.
// Every voice client of the project answers alike.
struct ReceiveBothCase {
    const char* receive;
    const char* transmit;
    bool both;
    const char* receiveAfter;
};

inline void PrintTo(const ReceiveBothCase& c, std::ostream* out)
{
    *out << "receive " << c.receive << " transmit " << c.transmit << (c.both ? " both" : " one");
}

inline auto receiveBothCases()
{
    return ::testing::Values(ReceiveBothCase{"1", "1", true, "B"}, ReceiveBothCase{"1", "2", true, "B"},
        ReceiveBothCase{"B", "2", true, "B"}, ReceiveBothCase{"B", "2", false, "2"},
        ReceiveBothCase{"B", "1", false, "1"}, ReceiveBothCase{"B", "B", false, "1"},
        ReceiveBothCase{"B", "x", false, "1"}, ReceiveBothCase{"B", "", false, "1"});
}

} // namespace norvo::testing
