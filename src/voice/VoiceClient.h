#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace norvo {

class VoiceEventSink;

// Raised by a voice client whose call failed.
class NORVOUITOKA_EXPORT VoiceClientError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The outside voice client, as the panel drives it (the comments give each
// member's dispatch identifier). Values of the main pilot user are read only
// between a true LockMainPilotUser and UnlockMainPilotUser, values of an
// object only between a true LockObject and UnlockObject; never both locks at
// once. Any member may throw to report a failed call.
class NORVOUITOKA_EXPORT VoiceClient {
public:
    virtual ~VoiceClient() = default;

    // Where the client delivers its events; nullptr stops delivery.
    virtual void setEventSink(VoiceEventSink* sink) = 0;

    virtual void Attach() = 0; // 43
    virtual void BeginUpdates() = 0; // 132
    virtual void RequestRefresh() = 0; // 136
    virtual void Detach() = 0; // 44

    virtual bool LockMainPilotUser(std::int32_t reserved) = 0; // 6; the panel passes 0
    virtual void UnlockMainPilotUser() = 0; // 7
    virtual std::string ReceiveRadio() = 0; // 2: "1", "2" or "B"
    virtual std::string TransmitRadio() = 0; // 3
    virtual std::string Com1Frequency() = 0; // 19
    virtual std::string Com2Frequency() = 0; // 20
    virtual void SetReceiveBoth(bool both) = 0; // 134
    virtual void SetTransmitRadio(std::int32_t radio) = 0; // 135: 1 or 2

    // 106; the handle is passed by reference, as the client may read it back.
    virtual bool LockObject(std::int32_t& handle) = 0;
    virtual void UnlockObject() = 0; // 107
    virtual std::string ObjectType() = 0; // 108
    virtual std::string ObjectName() = 0; // 109
    virtual std::string GetString(std::int32_t index) = 0; // 110
    virtual void SetString(std::int32_t index, const std::string& value) = 0; // 111
    virtual std::int32_t GetLong(std::int32_t index) = 0; // 112
    virtual void SetLong(std::int32_t index, std::int32_t value) = 0; // 113
};

} // namespace norvo
