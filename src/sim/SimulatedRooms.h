#pragma once

#include "sim/NetworkObjects.h"
#include "sim/RoomSchedule.h"
#include "sim/SimulatedPilot.h"
#include "sim/StationDirectory.h"
#include "voice/VoiceObjectLayout.h"

#include <cstdint>
#include <optional>
#include <string>

namespace norvo {

// How the voice object's rooms behave over time. A request (state 1) is
// answered after the connect delay: the room connects to the station that
// its radio's frequency or its typed name finds, or fails. A connected room
// carries its station's information and, while random activity is on,
// receive activity that comes and goes; while push-to-talk is down the
// connected rooms that transmit and are not muted send. Leaving a room ends
// what it waited for and its activity.
class SimulatedRooms {
public:
    SimulatedRooms(NetworkObjects& objects, const SimulatedPilot& pilot, RoomSchedule& schedule,
        std::int64_t connectDelay, bool randomActivity);

    // Lets the time pass, running what falls due in time order.
    void advance(std::int64_t milliseconds);

    // Throws std::invalid_argument for a slot outside the voice object.
    void checkSlot(std::int32_t slot) const;
    // 0 while there is no voice object.
    std::int32_t state(std::int32_t slot) const;

    void request(std::int32_t slot);
    // Ends the room in the given state (0, 3, 4 or any other).
    void leave(std::int32_t slot, std::int32_t state);
    // A radio's room follows its frequency: one in use is joined anew.
    void followFrequency(std::int32_t slot);
    // Completes (2) or ends (any other state) a room at once, cancelling
    // what was pending for it; 1 holds it pending.
    void force(std::int32_t slot, std::int32_t state);
    bool kick(std::int32_t slot);
    bool setReceiveActivity(std::int32_t slot, std::int32_t activity);
    void setInfo(std::int32_t slot, const std::string& info);

    bool randomActivity() const { return randomActivity_; }
    void setRandomActivity(bool on);
    bool pushToTalk() const { return pushToTalk_; }
    void setPushToTalk(bool pressed);
    // Brings the send activity and the Transmitting flag in line with
    // push-to-talk, the rooms, the radios and the transmit mutes.
    void updateSendActivity();

private:
    std::int32_t indexOf(VoiceObjectLayout::Block block, std::int32_t slot) const
    {
        return objects_.layout().index(block, slot);
    }
    // The station a slot's room joins: its radio's frequency, or its name.
    std::optional<Station> stationFor(std::int32_t slot) const;
    void answer(std::int32_t slot);
    void connect(std::int32_t slot, const Station& station);
    void toggleActivity(std::int32_t slot);
    void scheduleActivity(std::int32_t slot, bool nowActive);

    NetworkObjects& objects_;
    const SimulatedPilot& pilot_;
    RoomSchedule& schedule_;
    const std::int64_t connectDelay_;
    bool randomActivity_;
    bool pushToTalk_ = false;
};

} // namespace norvo
