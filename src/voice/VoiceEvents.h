#pragma once

#include <cstdint>

namespace norvo {

// The voice client's events as the panel receives them. The numbers are the
// events' places in the client's event interface.
class VoiceEvents {
public:
    virtual ~VoiceEvents() = default;
    virtual void Disconnected() = 0; // 9
    virtual void Connected() = 0; // 10
    virtual void MainPilotUserDeleted() = 0; // 25
    virtual void MainPilotUserChanged() = 0; // 26
    virtual void MainPilotUserCreated() = 0; // 28
    virtual void ObjectCreated(std::int32_t handle) = 0; // 57
    virtual void ObjectDeleted(std::int32_t handle) = 0; // 59
    virtual void ObjectTextChanged(std::int32_t handle, std::int32_t index) = 0; // 60
    virtual void ObjectValueChanged(std::int32_t handle, std::int32_t index) = 0; // 61
};

} // namespace norvo
