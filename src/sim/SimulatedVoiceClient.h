#pragma once

#include <NorvoUITOKA/norvouitoka_sim_export.h>
#include <NorvoUITOKA/sim/ContractChecker.h>
#include <NorvoUITOKA/voice/VoiceClient.h>
#include <NorvoUITOKA/voice/VoiceEvent.h>
#include <NorvoUITOKA/voice/VoiceEventSink.h>
#include <NorvoUITOKA/voice/VoiceObjectLayout.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace norvo {

struct SimulationOptions {
    std::uint32_t seed = 1;
    // The voice object's layout: slots per block and the first block index
    // (the header takes 0 to firstIndex - 1 and needs HeaderIndex::Size).
    std::int32_t slotCount = 3;
    std::int32_t firstIndex = 7;
    // From a connect request to the room's answer.
    std::int64_t connectDelay = 800;
    // Receive activity coming and going by itself on connected rooms.
    bool randomActivity = true;
    bool checkContract = true;
    std::string com1 = "122.800";
    std::string com2 = "121.900";
};

// A simulated voice network behind the voice client interface. It holds the
// main pilot user (two radios, receive and transmit selections) and, while
// the network is up, the voice object "TOKA" of type "VOICE" beside an
// unrelated one. Rooms asked for (state 1) connect or fail after a delay,
// connected rooms carry an information text and show receive activity
// (seeded, reproducible), push-to-talk drives the send activity of the
// transmitting rooms. Time moves only through advance().
//
// Events are queued and reach the sink only through deliverEvents(), so they
// never arrive inside the call that caused them nor while a lock is held.
// Structural events are queued from Attach on, value and text changes from
// BeginUpdates on; RequestRefresh announces the pilot and every object;
// Detach stops and drops them.
//
// Each lock-discipline breach (see ContractChecker) throws a
// ContractViolation; a call the network refuses (a read-only property, an
// index outside the object, a room state other than 0 or 1) throws a
// VoiceClientError.
class NORVOUITOKA_SIM_EXPORT SimulatedVoiceClient : public VoiceClient {
public:
    struct Pilot {
        std::string receive = "1";
        std::string transmit = "1";
        std::string com1;
        std::string com2;
    };

    // Throws std::invalid_argument for a layout that does not fit.
    explicit SimulatedVoiceClient(SimulationOptions options = {});

    // Time.
    std::int64_t now() const { return now_; }
    // Lets the time pass, running what falls due in time order.
    void advance(std::int64_t milliseconds);
    // When the next room answer or activity change falls due; none while
    // nothing is scheduled.
    std::optional<std::int64_t> nextDue() const;

    // Events.
    std::size_t queuedEvents() const { return queue_.size(); }
    // Delivers the queued events in order, also those queued meanwhile;
    // returns how many. A lock still held when a handler returns is a
    // violation. An exception from a handler ends the delivery; the events
    // after it stay queued.
    std::size_t deliverEvents();
    // Called when an event is queued into an empty queue, possibly from
    // inside a caller's lock: it may only schedule a later deliverEvents().
    std::function<void()> onEventsQueued;
    // A host handler (user input) starts and returns; a lock it leaves held
    // is a violation.
    void beginHandler(std::string name) { contract_.setHandler(std::move(name)); }
    void endHandler();
    ContractChecker& contract() { return contract_; }
    const ContractChecker& contract() const { return contract_; }

    // What the network holds.
    const VoiceObjectLayout& layout() const { return layout_; }
    bool networkUp() const { return networkUp_; }
    // The voice object's handle; 0 when there is none.
    std::int32_t voiceHandle() const { return voiceHandle_; }
    // Values of the voice object; 0 and "" when there is none.
    std::int32_t value(std::int32_t index) const;
    std::string text(std::int32_t index) const;
    std::int32_t roomState(std::int32_t slot) const;
    // The radios are kept while the pilot is absent.
    const Pilot& pilot() const { return pilot_; }
    bool pilotPresent() const { return pilotPresent_; }
    bool pushToTalk() const { return pushToTalk_; }
    bool randomActivity() const { return options_.randomActivity; }
    bool pilotLocked() const { return pilotLocked_; }
    std::optional<std::int32_t> lockedObject() const { return lockedObject_; }

    // Steering, as the network or the user's radios would change things.
    // Each raises the events a real change raises.
    void setFrequency(std::int32_t radio, const std::string& frequency);
    void setSelections(const std::string& receive, const std::string& transmit);
    void setPilotPresent(bool present);
    void setPushToTalk(bool pressed);
    void setRandomActivity(bool on);
    // Completes (2), holds (1) or ends (0, 3, 4 or any other value) a room
    // at once, cancelling what was pending for it.
    void forceRoomState(std::int32_t slot, std::int32_t state);
    // Throws the room out; false when it was neither pending nor connected.
    bool kick(std::int32_t slot);
    // Traffic in a connected room; false for a room that is not connected.
    bool setReceiveActivity(std::int32_t slot, std::int32_t activity);
    void setRoomInfo(std::int32_t slot, const std::string& info);
    // Any value of the voice object, as the network would set it.
    void setValue(std::int32_t index, std::int32_t value);
    void setText(std::int32_t index, const std::string& text);
    void disconnectNetwork();
    void connectNetwork();
    void deleteVoiceObject();
    // A new voice object with a new handle; false while one exists or the
    // network is down.
    bool createVoiceObject();

    // VoiceClient
    void setEventSink(VoiceEventSink* sink) override { sink_ = sink; }
    void Attach() override;
    void BeginUpdates() override;
    void RequestRefresh() override;
    void Detach() override;
    bool LockMainPilotUser(std::int32_t reserved) override;
    void UnlockMainPilotUser() override;
    std::string ReceiveRadio() override;
    std::string TransmitRadio() override;
    std::string Com1Frequency() override;
    std::string Com2Frequency() override;
    void SetReceiveBoth(bool both) override;
    void SetTransmitRadio(std::int32_t radio) override;
    bool LockObject(std::int32_t& handle) override;
    void UnlockObject() override;
    std::string ObjectType() override;
    std::string ObjectName() override;
    std::string GetString(std::int32_t index) override;
    void SetString(std::int32_t index, const std::string& value) override;
    std::int32_t GetLong(std::int32_t index) override;
    void SetLong(std::int32_t index, std::int32_t value) override;

private:
    struct Object {
        std::int32_t handle = 0;
        std::string type;
        std::string name;
        std::vector<std::int32_t> longs;
        std::vector<std::string> texts;
    };
    // What is due for a room slot; -1 when nothing.
    struct RoomTimers {
        std::int64_t connectDue = -1;
        std::int64_t activityDue = -1;
    };

    // Events (SimulatedVoiceClient.cpp).
    void queue(VoiceEvent event);
    void queueStructural(VoiceEvent::Kind kind, std::int32_t handle = 0);

    // The objects and their values.
    Object* find(std::int32_t handle);
    const Object* voiceObject() const;
    Object* voiceObject();
    Object makeDecoyObject();
    Object& objectForCall(const std::string& call);
    Pilot& pilotForCall(const std::string& call);
    void checkIndex(const Object& object, std::int32_t index, const std::string& call) const;
    Object makeVoiceObject();
    std::int32_t newHandle();
    // Stores a value of the voice object and queues its change event.
    void store(std::int32_t index, std::int32_t value);
    void storeText(std::int32_t index, const std::string& text);
    void storeIn(Object& object, std::int32_t index, std::int32_t value);
    void storeTextIn(Object& object, std::int32_t index, const std::string& text);
    void checkSlot(std::int32_t slot) const;

    // A room answer or activity change that falls due.
    struct Happening {
        std::int64_t due = 0;
        std::size_t slot = 0;
        bool answer = false;
    };

    // Room behaviour (Rooms.cpp).
    std::optional<Happening> nextHappening() const;
    void requestRoom(std::int32_t slot);
    void leaveRoom(std::int32_t slot, std::int32_t state);
    void answerRequest(std::int32_t slot);
    void connectRoom(std::int32_t slot, const std::string& room, const std::string& info);
    void toggleActivity(std::int32_t slot);
    void scheduleActivity(std::int32_t slot, bool nowActive);
    void updateSendActivity();
    bool transmitsOn(std::int32_t slot) const;
    std::int64_t randomBetween(std::int64_t low, std::int64_t high);
    void pilotChanged();
    void resetTimers();

    SimulationOptions options_;
    VoiceObjectLayout layout_;
    // Properties 0 to propertyCount_ - 1.
    std::int32_t propertyCount_ = 0;
    ContractChecker contract_;
    VoiceEventSink* sink_ = nullptr;
    std::deque<VoiceEvent> queue_;
    std::mt19937 random_;
    std::int64_t now_ = 0;

    bool attached_ = false;
    bool updates_ = false;
    bool networkUp_ = true;
    Pilot pilot_;
    bool pilotPresent_ = true;
    bool pushToTalk_ = false;
    std::vector<Object> objects_;
    std::int32_t voiceHandle_ = 0;
    std::int32_t nextHandle_ = 1;
    std::vector<RoomTimers> timers_;

    bool pilotLocked_ = false;
    std::optional<std::int32_t> lockedObject_;
};

} // namespace norvo
