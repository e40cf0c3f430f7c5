#include "sim/SimulatedPilot.h"
#include "voice/RadioSelection.h"
#include "voice/Slots.h"

#include <stdexcept>

namespace norvo {

using Kind = VoiceEvent::Kind;

SimulatedPilot::SimulatedPilot(EventQueue& events, std::string com1, std::string com2)
    : events_(events)
    , radios_{"1", "1", std::move(com1), std::move(com2)}
{
}

bool SimulatedPilot::transmitsOn(std::int32_t slot) const
{
    if (!Slots::isRadio(slot))
        return true;
    return present_ && (radios_.transmit == "B" || radios_.transmit == (slot == 0 ? "1" : "2"));
}

void SimulatedPilot::changed() { events_.push({Kind::MainPilotUserChanged}); }

bool SimulatedPilot::tune(std::int32_t radio, const std::string& frequency)
{
    if (radio != 1 && radio != 2)
        throw std::invalid_argument("there is no radio " + std::to_string(radio));
    std::string& tuned = radio == 1 ? radios_.com1 : radios_.com2;
    if (tuned == frequency)
        return false;
    tuned = frequency;
    if (present_)
        changed();
    return true;
}

bool SimulatedPilot::select(const std::string& receive, const std::string& transmit)
{
    if (radios_.receive == receive && radios_.transmit == transmit)
        return false;
    radios_.receive = receive;
    radios_.transmit = transmit;
    if (!present_)
        return false;
    changed();
    return true;
}

bool SimulatedPilot::setPresent(bool present)
{
    if (present_ == present)
        return false;
    present_ = present;
    events_.push({present ? Kind::MainPilotUserCreated : Kind::MainPilotUserDeleted});
    return true;
}

bool SimulatedPilot::setReceiveBoth(bool both)
{
    const std::string receive = RadioSelection::receiveAfter(both, radios_.transmit);
    if (receive == radios_.receive)
        return false;
    radios_.receive = receive;
    changed();
    return true;
}

bool SimulatedPilot::setTransmitRadio(std::int32_t radio)
{
    const std::string transmit = std::to_string(radio);
    if (radios_.transmit == transmit)
        return false;
    radios_.transmit = transmit;
    changed();
    return true;
}

} // namespace norvo
