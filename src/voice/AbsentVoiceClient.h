#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>

#include "voice/VoiceClient.h"

namespace norvo {

// The voice client of a panel that has none yet: no pilot, no object (every
// lock refused), no events. A panel started on it shows itself unbound.
class NORVOUITOKA_EXPORT AbsentVoiceClient final : public VoiceClient {
public:
    void setEventSink(VoiceEventSink*) override { }
    void Attach() override { }
    void BeginUpdates() override { }
    void RequestRefresh() override { }
    void Detach() override { }
    bool LockMainPilotUser(std::int32_t) override { return false; }
    void UnlockMainPilotUser() override { }
    std::string ReceiveRadio() override;
    std::string TransmitRadio() override;
    std::string Com1Frequency() override;
    std::string Com2Frequency() override;
    void SetReceiveBoth(bool) override { }
    void SetTransmitRadio(std::int32_t) override { }
    bool LockObject(std::int32_t&) override { return false; }
    void UnlockObject() override { }
    std::string ObjectType() override;
    std::string ObjectName() override;
    std::string GetString(std::int32_t) override;
    void SetString(std::int32_t, const std::string&) override { }
    std::int32_t GetLong(std::int32_t) override { return 0; }
    void SetLong(std::int32_t, std::int32_t) override { }
};

} // namespace norvo
