#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace norvo {

class VoiceEventSink;

/// Raised by a voice client whose call failed.
class NORVOUITOKA_EXPORT VoiceClientError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The outside voice client, as the panel drives it: the network and audio
/// side that a host implements (or SimulatedVoiceClient stands in for). Each
/// member's dispatch identifier is given in brackets. Values of the main pilot user are read only
/// between a true LockMainPilotUser and UnlockMainPilotUser, values of an
/// object only between a true LockObject and UnlockObject; never both locks at
/// once. Any member may throw to report a failed call.
class NORVOUITOKA_EXPORT VoiceClient {
public:
    virtual ~VoiceClient() = default;

    /// Where the client delivers its events; nullptr stops delivery.
    virtual void setEventSink(VoiceEventSink* sink) = 0;

    /// Starts the client's work for this panel (43); called first at start-up.
    virtual void Attach() = 0;
    /// Asks for the events of value and text changes from now on (132).
    virtual void BeginUpdates() = 0;
    /// Asks the client to announce the main pilot user and every object it
    /// holds again (136), as it would when they appear; the panel binds its
    /// voice object from these announcements.
    virtual void RequestRefresh() = 0;
    /// Ends the client's work for this panel (44); called at shutdown, its
    /// errors ignored.
    virtual void Detach() = 0;

    /// Locks the main pilot user (6) so that its radios can be read and set;
    /// false when there is none, and then nothing more is asked. The panel
    /// passes 0.
    virtual bool LockMainPilotUser(std::int32_t reserved) = 0;
    /// Releases the lock of a true LockMainPilotUser() (7).
    virtual void UnlockMainPilotUser() = 0;
    /// The radio heard (2): "1", "2" or "B" for both.
    virtual std::string ReceiveRadio() = 0;
    /// The radio that transmits (3): "1", "2" or "B".
    virtual std::string TransmitRadio() = 0;
    /// The frequency of radio COMM1 (19), as the panel shows it ("122.800").
    virtual std::string Com1Frequency() = 0;
    /// The frequency of radio COMM2 (20).
    virtual std::string Com2Frequency() = 0;
    /// Hears both radios, or only the transmitting one (134).
    virtual void SetReceiveBoth(bool both) = 0;
    /// Transmits on radio 1 or 2 (135).
    virtual void SetTransmitRadio(std::int32_t radio) = 0;

    /// Locks the object of the handle (106) so that its properties can be
    /// read and set; false when there is none (always for handle 0), and then
    /// nothing more is asked. The handle is passed by reference, as the client
    /// may read it back.
    virtual bool LockObject(std::int32_t& handle) = 0;
    /// Releases the lock of a true LockObject() (107).
    virtual void UnlockObject() = 0;
    /// The locked object's type (108); the panel binds only "VOICE".
    virtual std::string ObjectType() = 0;
    /// The locked object's name (109); the panel binds only "TOKA".
    virtual std::string ObjectName() = 0;
    /// The text value of a property of the locked object (110).
    virtual std::string GetString(std::int32_t index) = 0;
    /// Sets the text value of a property of the locked object (111).
    virtual void SetString(std::int32_t index, const std::string& value) = 0;
    /// The numeric value of a property of the locked object (112); see
    /// VoiceObjectLayout for what the indices hold.
    virtual std::int32_t GetLong(std::int32_t index) = 0;
    /// Sets the numeric value of a property of the locked object (113).
    virtual void SetLong(std::int32_t index, std::int32_t value) = 0;
};

} // namespace norvo
