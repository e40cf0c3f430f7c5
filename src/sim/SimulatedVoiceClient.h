#pragma once

#include <NorvoUITOKA/norvouitoka_sim_export.h>
#include <NorvoUITOKA/sim/ContractChecker.h>
#include <NorvoUITOKA/sim/PilotRadios.h>
#include <NorvoUITOKA/sim/SimulationOptions.h>
#include <NorvoUITOKA/voice/VoiceClient.h>
#include <NorvoUITOKA/voice/VoiceEvent.h>
#include <NorvoUITOKA/voice/VoiceEventSink.h>
#include <NorvoUITOKA/voice/VoiceObjectLayout.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace norvo {

class SimulatedVoiceClientPrivate;

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
    // Throws std::invalid_argument for a layout that does not fit.
    explicit SimulatedVoiceClient(SimulationOptions options = {});
    ~SimulatedVoiceClient() override;
    SimulatedVoiceClient(const SimulatedVoiceClient&) = delete;
    SimulatedVoiceClient& operator=(const SimulatedVoiceClient&) = delete;

    // Time.
    std::int64_t now() const;
    // Lets the time pass, running what falls due in time order.
    void advance(std::int64_t milliseconds);
    // When the next room answer or activity change falls due; none while
    // nothing is scheduled.
    std::optional<std::int64_t> nextDue() const;

    // Events.
    std::size_t queuedEvents() const;
    // Delivers the queued events in order, also those queued meanwhile;
    // returns how many. A lock still held when a handler returns is a
    // violation. An exception from a handler ends the delivery; the events
    // after it stay queued.
    std::size_t deliverEvents();
    // Called when an event is queued into an empty queue, possibly from
    // inside a caller's lock: it may only schedule a later deliverEvents().
    void setOnEventsQueued(std::function<void()> wake);
    // A host handler (user input) starts and returns; a lock it leaves held
    // is a violation.
    void beginHandler(std::string name);
    void endHandler();
    ContractChecker& contract();
    const ContractChecker& contract() const;

    // What the network holds.
    const VoiceObjectLayout& layout() const;
    bool networkUp() const;
    // The voice object's handle; 0 when there is none.
    std::int32_t voiceHandle() const;
    // Values of the voice object; 0 and "" when there is none.
    std::int32_t value(std::int32_t index) const;
    std::string text(std::int32_t index) const;
    std::int32_t roomState(std::int32_t slot) const;
    // The radios are kept while the pilot is absent.
    const PilotRadios& pilot() const;
    bool pilotPresent() const;
    bool pushToTalk() const;
    bool randomActivity() const;
    bool pilotLocked() const;
    std::optional<std::int32_t> lockedObject() const;

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
    void setEventSink(VoiceEventSink* sink) override;
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
    const std::unique_ptr<SimulatedVoiceClientPrivate> d;
};

} // namespace norvo
