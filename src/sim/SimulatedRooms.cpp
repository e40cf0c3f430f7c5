#include "sim/SimulatedRooms.h"

#include "voice/Slots.h"

#include <stdexcept>

namespace norvo {

using Block = VoiceObjectLayout::Block;

namespace {

// Receive activity: a room talks for a while, then is quiet for a while.
constexpr std::int64_t ShortestTalk = 400;
constexpr std::int64_t LongestTalk = 2500;
constexpr std::int64_t ShortestSilence = 1500;
constexpr std::int64_t LongestSilence = 6000;

// Far enough for any run, near enough that the clock never overflows.
constexpr std::int64_t LongestStep = std::int64_t{1} << 40;

// The network takes a room's name without the spaces and tabs around it.
std::string withoutBlanks(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

SimulatedRooms::SimulatedRooms(NetworkObjects& objects, const SimulatedPilot& pilot, RoomSchedule& schedule,
    std::int64_t connectDelay, bool randomActivity)
    : objects_(objects)
    , pilot_(pilot)
    , schedule_(schedule)
    , connectDelay_(connectDelay)
    , randomActivity_(randomActivity)
{
}

void SimulatedRooms::advance(std::int64_t milliseconds)
{
    if (milliseconds < 0 || milliseconds > LongestStep)
        throw std::invalid_argument("time moves forward by 0 to 2^40 ms, not " + std::to_string(milliseconds));
    const std::int64_t until = schedule_.now() + milliseconds;
    while (const std::optional<RoomSchedule::Happening> due = schedule_.takeDue(until)) {
        if (due->answer)
            answer(due->slot);
        else
            toggleActivity(due->slot);
    }
    schedule_.passTo(until);
}

void SimulatedRooms::checkSlot(std::int32_t slot) const
{
    if (slot < 0 || slot >= objects_.layout().slotCount())
        throw std::invalid_argument("no room slot " + std::to_string(slot));
}

std::int32_t SimulatedRooms::state(std::int32_t slot) const
{
    checkSlot(slot);
    return objects_.value(indexOf(Block::Room, slot));
}

void SimulatedRooms::request(std::int32_t slot)
{
    const bool wasConnected = state(slot) == RoomState::Connected;
    objects_.store(indexOf(Block::Room, slot), RoomState::Pending);
    if (wasConnected) {
        objects_.store(indexOf(Block::ReceiveActivity, slot), 0);
        objects_.storeText(indexOf(Block::Info, slot), {});
    }
    schedule_.expectAnswer(slot, connectDelay_);
    updateSendActivity();
}

void SimulatedRooms::leave(std::int32_t slot, std::int32_t state)
{
    schedule_.cancel(slot);
    objects_.store(indexOf(Block::Room, slot), state);
    objects_.store(indexOf(Block::ReceiveActivity, slot), 0);
    objects_.store(indexOf(Block::SendActivity, slot), 0);
    objects_.storeText(indexOf(Block::Info, slot), {});
    updateSendActivity();
}

void SimulatedRooms::followFrequency(std::int32_t slot)
{
    if (slot >= objects_.layout().slotCount() || !objects_.voiceObject())
        return;
    const std::int32_t now = state(slot);
    if (now == RoomState::Pending || now == RoomState::Connected)
        request(slot);
}

std::optional<Station> SimulatedRooms::stationFor(std::int32_t slot) const
{
    if (Slots::isRadio(slot))
        return StationDirectory::forFrequency(pilot_.frequencyOf(slot));
    return StationDirectory::forName(withoutBlanks(objects_.text(indexOf(Block::Room, slot))));
}

void SimulatedRooms::answer(std::int32_t slot)
{
    // Without a pilot there are no radios to join a room with.
    const bool radioless = Slots::isRadio(slot) && !pilot_.present();
    if (const std::optional<Station> station = radioless ? std::nullopt : stationFor(slot))
        connect(slot, *station);
    else
        leave(slot, RoomState::Failed);
}

void SimulatedRooms::connect(std::int32_t slot, const Station& station)
{
    // Name and information first, so that the state's event finds them.
    objects_.storeText(indexOf(Block::Room, slot), station.room);
    objects_.storeText(indexOf(Block::Info, slot), station.info);
    objects_.store(indexOf(Block::Room, slot), RoomState::Connected);
    scheduleActivity(slot, false);
    updateSendActivity();
}

void SimulatedRooms::scheduleActivity(std::int32_t slot, bool nowActive)
{
    if (!randomActivity_ || state(slot) != RoomState::Connected)
        schedule_.cancelActivity(slot);
    else if (nowActive)
        schedule_.scheduleActivity(slot, ShortestTalk, LongestTalk);
    else
        schedule_.scheduleActivity(slot, ShortestSilence, LongestSilence);
}

void SimulatedRooms::toggleActivity(std::int32_t slot)
{
    const std::int32_t index = indexOf(Block::ReceiveActivity, slot);
    const bool active = objects_.value(index) != 1;
    objects_.store(index, active ? 1 : 0);
    scheduleActivity(slot, active);
}

void SimulatedRooms::updateSendActivity()
{
    if (!objects_.voiceObject())
        return;
    objects_.store(HeaderIndex::Transmitting, pushToTalk_ ? 1 : 0);
    for (std::int32_t k = 0; k < objects_.layout().slotCount(); ++k) {
        const bool sends = pushToTalk_ && state(k) == RoomState::Connected && pilot_.transmitsOn(k)
            && objects_.value(indexOf(Block::TransmitMute, k)) == 0;
        objects_.store(indexOf(Block::SendActivity, k), sends ? 1 : 0);
    }
}

void SimulatedRooms::force(std::int32_t slot, std::int32_t state)
{
    checkSlot(slot);
    if (!objects_.voiceObject())
        return;
    if (state != RoomState::Connected) {
        leave(slot, state);
        return;
    }
    schedule_.cancelAnswer(slot);
    std::optional<Station> station = stationFor(slot);
    if (!station) {
        const std::string name = withoutBlanks(objects_.text(indexOf(Block::Room, slot)));
        station = Station{{}, name.empty() ? "ROOM_" + std::to_string(slot) : name, "Connected by hand"};
    }
    connect(slot, *station);
}

bool SimulatedRooms::kick(std::int32_t slot)
{
    const std::int32_t now = state(slot);
    if (now != RoomState::Pending && now != RoomState::Connected)
        return false;
    leave(slot, RoomState::Kicked);
    return true;
}

bool SimulatedRooms::setReceiveActivity(std::int32_t slot, std::int32_t activity)
{
    // Only a joined room has traffic to report.
    if (state(slot) != RoomState::Connected)
        return false;
    objects_.store(indexOf(Block::ReceiveActivity, slot), activity);
    scheduleActivity(slot, activity == 1);
    return true;
}

void SimulatedRooms::setInfo(std::int32_t slot, const std::string& info)
{
    checkSlot(slot);
    objects_.storeText(indexOf(Block::Info, slot), info);
}

void SimulatedRooms::setRandomActivity(bool on)
{
    randomActivity_ = on;
    for (std::int32_t k = 0; k < objects_.layout().slotCount(); ++k)
        if (!on || !schedule_.activityDue(k))
            scheduleActivity(k, objects_.value(indexOf(Block::ReceiveActivity, k)) == 1);
}

void SimulatedRooms::setPushToTalk(bool pressed)
{
    pushToTalk_ = pressed;
    updateSendActivity();
}

} // namespace norvo
