#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>

#include <cstdint>

namespace norvo {

// The voice client's events as the panel receives them, named as the panel's
// handlers of the client's events (event X of the client "Norvo" is handled
// by Norvo_X). The numbers are the events' places in the client's event
// interface.
class NORVOUITOKA_EXPORT VoiceEvents {
public:
    virtual ~VoiceEvents() = default;
    virtual void Norvo_Disconnected() = 0; // 9
    virtual void Norvo_Connected() = 0; // 10
    virtual void Norvo_MainPilotUserDeleted() = 0; // 25
    virtual void Norvo_MainPilotUserChanged() = 0; // 26
    virtual void Norvo_MainPilotUserCreated() = 0; // 28
    virtual void Norvo_ObjectCreated(std::int32_t handle) = 0; // 57
    virtual void Norvo_ObjectDeleted(std::int32_t handle) = 0; // 59
    virtual void Norvo_ObjectTextChanged(std::int32_t handle, std::int32_t index) = 0; // 60
    virtual void Norvo_ObjectValueChanged(std::int32_t handle, std::int32_t index) = 0; // 61
};

} // namespace norvo
