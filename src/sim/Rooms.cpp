#include "sim/SimulatedVoiceClient.h"
#include "sim/StationDirectory.h"

#include <stdexcept>

// How rooms answer requests, carry activity and follow push-to-talk, over time.

namespace norvo {

using Block = VoiceObjectLayout::Block;

namespace {

// Receive activity: a room talks for a while, then is quiet for a while.
constexpr std::int64_t ShortestTalk = 400;
constexpr std::int64_t LongestTalk = 2500;
constexpr std::int64_t ShortestSilence = 1500;
constexpr std::int64_t LongestSilence = 6000;

// Far enough for any run, near enough that now_ + it never overflows.
constexpr std::int64_t LongestStep = std::int64_t{1} << 40;

std::string withoutBlanks(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

void SimulatedVoiceClient::advance(std::int64_t milliseconds)
{
    if (milliseconds < 0 || milliseconds > LongestStep)
        throw std::invalid_argument("time moves forward by 0 to 2^40 ms, not " + std::to_string(milliseconds));
    const std::int64_t until = now_ + milliseconds;
    for (std::optional<Happening> next = nextHappening(); next && next->due <= until; next = nextHappening()) {
        now_ = next->due;
        RoomTimers& t = timers_[next->slot];
        if (next->answer) {
            t.connectDue = -1;
            answerRequest(static_cast<std::int32_t>(next->slot));
        } else {
            t.activityDue = -1;
            toggleActivity(static_cast<std::int32_t>(next->slot));
        }
    }
    now_ = until;
}

std::optional<std::int64_t> SimulatedVoiceClient::nextDue() const
{
    const std::optional<Happening> next = nextHappening();
    return next ? std::optional<std::int64_t>(next->due) : std::nullopt;
}

std::optional<SimulatedVoiceClient::Happening> SimulatedVoiceClient::nextHappening() const
{
    // The earliest; on a tie, answers before activity and lower slots first.
    std::optional<Happening> next;
    for (std::size_t k = 0; k < timers_.size(); ++k) {
        const RoomTimers& t = timers_[k];
        if (t.connectDue >= 0 && (!next || t.connectDue < next->due || (t.connectDue == next->due && !next->answer)))
            next = Happening{t.connectDue, k, true};
        if (t.activityDue >= 0 && (!next || t.activityDue < next->due))
            next = Happening{t.activityDue, k, false};
    }
    return next;
}

void SimulatedVoiceClient::resetTimers()
{
    for (RoomTimers& t : timers_)
        t = RoomTimers{};
}

std::int64_t SimulatedVoiceClient::randomBetween(std::int64_t low, std::int64_t high)
{
    // The engine's output is fixed by the standard; the distributions are not.
    return low + static_cast<std::int64_t>(random_() % static_cast<std::uint32_t>(high - low + 1));
}

void SimulatedVoiceClient::requestRoom(std::int32_t slot)
{
    const auto k = static_cast<std::size_t>(slot);
    const bool wasConnected = roomState(slot) == RoomState::Connected;
    store(layout_.index(Block::Room, slot), RoomState::Pending);
    if (wasConnected) {
        store(layout_.index(Block::ReceiveActivity, slot), 0);
        storeText(layout_.index(Block::Info, slot), {});
    }
    timers_[k] = RoomTimers{now_ + options_.connectDelay, -1};
    updateSendActivity();
}

void SimulatedVoiceClient::leaveRoom(std::int32_t slot, std::int32_t state)
{
    timers_[static_cast<std::size_t>(slot)] = RoomTimers{};
    store(layout_.index(Block::Room, slot), state);
    store(layout_.index(Block::ReceiveActivity, slot), 0);
    store(layout_.index(Block::SendActivity, slot), 0);
    storeText(layout_.index(Block::Info, slot), {});
    updateSendActivity();
}

void SimulatedVoiceClient::answerRequest(std::int32_t slot)
{
    std::optional<Station> station;
    if (slot < 2) {
        if (pilotPresent_)
            station = StationDirectory::forFrequency(slot == 0 ? pilot_.com1 : pilot_.com2);
    } else {
        station = StationDirectory::forName(withoutBlanks(text(layout_.index(Block::Room, slot))));
    }
    if (station)
        connectRoom(slot, station->room, station->info);
    else
        leaveRoom(slot, RoomState::Failed);
}

void SimulatedVoiceClient::connectRoom(std::int32_t slot, const std::string& room, const std::string& info)
{
    // Name and information first, so that the state's event finds them.
    storeText(layout_.index(Block::Room, slot), room);
    storeText(layout_.index(Block::Info, slot), info);
    store(layout_.index(Block::Room, slot), RoomState::Connected);
    scheduleActivity(slot, false);
    updateSendActivity();
}

void SimulatedVoiceClient::scheduleActivity(std::int32_t slot, bool nowActive)
{
    auto& due = timers_[static_cast<std::size_t>(slot)].activityDue;
    if (!options_.randomActivity || roomState(slot) != RoomState::Connected) {
        due = -1;
        return;
    }
    due = now_
        + (nowActive ? randomBetween(ShortestTalk, LongestTalk) : randomBetween(ShortestSilence, LongestSilence));
}

void SimulatedVoiceClient::toggleActivity(std::int32_t slot)
{
    const std::int32_t index = layout_.index(Block::ReceiveActivity, slot);
    const bool active = value(index) != 1;
    store(index, active ? 1 : 0);
    scheduleActivity(slot, active);
}

bool SimulatedVoiceClient::transmitsOn(std::int32_t slot) const
{
    // The free channels always send; a radio's room only when it is selected.
    if (slot >= 2)
        return true;
    return pilotPresent_ && (pilot_.transmit == "B" || pilot_.transmit == (slot == 0 ? "1" : "2"));
}

void SimulatedVoiceClient::updateSendActivity()
{
    if (!voiceObject())
        return;
    store(HeaderIndex::Transmitting, pushToTalk_ ? 1 : 0);
    for (std::int32_t k = 0; k < layout_.slotCount(); ++k) {
        const bool sends = pushToTalk_ && roomState(k) == RoomState::Connected && transmitsOn(k)
            && value(layout_.index(Block::TransmitMute, k)) == 0;
        store(layout_.index(Block::SendActivity, k), sends ? 1 : 0);
    }
}

void SimulatedVoiceClient::forceRoomState(std::int32_t slot, std::int32_t state)
{
    checkSlot(slot);
    if (!voiceObject())
        return;
    if (state != RoomState::Connected) {
        leaveRoom(slot, state);
        return;
    }
    timers_[static_cast<std::size_t>(slot)].connectDue = -1;
    std::optional<Station> station = slot < 2
        ? StationDirectory::forFrequency(slot == 0 ? pilot_.com1 : pilot_.com2)
        : StationDirectory::forName(withoutBlanks(text(layout_.index(Block::Room, slot))));
    if (!station) {
        const std::string name = withoutBlanks(text(layout_.index(Block::Room, slot)));
        station = Station{{}, name.empty() ? "ROOM_" + std::to_string(slot) : name, "Connected by hand"};
    }
    connectRoom(slot, station->room, station->info);
}

bool SimulatedVoiceClient::kick(std::int32_t slot)
{
    checkSlot(slot);
    const std::int32_t state = roomState(slot);
    if (state != RoomState::Pending && state != RoomState::Connected)
        return false;
    leaveRoom(slot, RoomState::Kicked);
    return true;
}

bool SimulatedVoiceClient::setReceiveActivity(std::int32_t slot, std::int32_t activity)
{
    // Only a joined room has traffic to report.
    if (roomState(slot) != RoomState::Connected)
        return false;
    store(layout_.index(Block::ReceiveActivity, slot), activity);
    scheduleActivity(slot, activity == 1);
    return true;
}

void SimulatedVoiceClient::setRoomInfo(std::int32_t slot, const std::string& info)
{
    checkSlot(slot);
    storeText(layout_.index(Block::Info, slot), info);
}

void SimulatedVoiceClient::setRandomActivity(bool on)
{
    options_.randomActivity = on;
    for (std::int32_t k = 0; k < layout_.slotCount(); ++k)
        if (!on || timers_[static_cast<std::size_t>(k)].activityDue < 0)
            scheduleActivity(k, value(layout_.index(Block::ReceiveActivity, k)) == 1);
}

} // namespace norvo
