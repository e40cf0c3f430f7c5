#include "sim/SimulatedVoiceClientPrivate.h"

#include <stdexcept>

namespace norvo {

namespace {

// Large enough for any layout worth simulating.
constexpr std::int32_t MaxSlots = 64;

std::string number(std::int32_t value) { return std::to_string(value); }

VoiceObjectLayout layoutFor(const SimulationOptions& options)
{
    const std::int32_t a = options.slotCount;
    if (a < 0 || a > MaxSlots)
        throw std::invalid_argument("slot count " + number(a) + " outside 0 to " + number(MaxSlots));
    if (options.firstIndex < HeaderIndex::Size)
        throw std::invalid_argument("first block index " + number(options.firstIndex) + " inside the header");
    if (options.connectDelay < 0)
        throw std::invalid_argument("negative connect delay");
    return VoiceObjectLayout(a, options.firstIndex);
}

} // namespace

SimulatedVoiceClientPrivate::SimulatedVoiceClientPrivate(const SimulationOptions& options)
    : layout(layoutFor(options))
    , contract(options.checkContract)
    , pilot(events, options.com1, options.com2)
    , schedule(options.seed, options.slotCount)
    , rooms(objects, pilot, schedule, options.connectDelay, options.randomActivity)
{
}

} // namespace norvo
