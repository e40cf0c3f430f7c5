#pragma once

#include "sim/EventQueue.h"
#include "sim/PilotRadios.h"

#include <cstdint>
#include <string>

namespace norvo {

// The main pilot user of the simulated network: present or not, and the
// radios, which are kept while the pilot is absent. A change queues the
// events a real one raises; each change returns whether the rooms' send
// activity must follow it.
class SimulatedPilot {
public:
    SimulatedPilot(EventQueue& events, std::string com1, std::string com2);

    const PilotRadios& radios() const { return radios_; }
    bool present() const { return present_; }
    // The frequency of a radio slot's radio.
    const std::string& frequencyOf(std::int32_t slot) const { return slot == 0 ? radios_.com1 : radios_.com2; }
    // Whether a connected room of the slot sends while push-to-talk is down:
    // a free channel always, a radio's room when its radio transmits.
    bool transmitsOn(std::int32_t slot) const;

    // Returns whether the frequency changed; throws std::invalid_argument for
    // a radio other than 1 or 2.
    bool tune(std::int32_t radio, const std::string& frequency);
    bool select(const std::string& receive, const std::string& transmit);
    bool setPresent(bool present);
    // The client's calls, on a present pilot. Leaving "both" keeps the
    // transmit radio heard.
    bool setReceiveBoth(bool both);
    bool setTransmitRadio(std::int32_t radio);

private:
    void changed();

    EventQueue& events_;
    PilotRadios radios_;
    bool present_ = true;
};

} // namespace norvo
