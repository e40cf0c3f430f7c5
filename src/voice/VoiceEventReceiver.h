#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/voice/VoiceEvent.h>
#include <NorvoUITOKA/voice/VoiceEvents.h>

namespace norvo {

// An event sink that takes every event of the voice client as one value, for
// sinks that treat all events alike: queue them, pass them on, write them
// down.
class NORVOUITOKA_EXPORT VoiceEventReceiver : public VoiceEvents {
public:
    void Norvo_Disconnected() final;
    void Norvo_Connected() final;
    void Norvo_MainPilotUserDeleted() final;
    void Norvo_MainPilotUserChanged() final;
    void Norvo_MainPilotUserCreated() final;
    void Norvo_ObjectCreated(std::int32_t handle) final;
    void Norvo_ObjectDeleted(std::int32_t handle) final;
    void Norvo_ObjectTextChanged(std::int32_t handle, std::int32_t index) final;
    // The one member a sink may take over, for the event that comes most.
    void Norvo_ObjectValueChanged(std::int32_t handle, std::int32_t index) override;

protected:
    virtual void receive(const VoiceEvent& event) = 0;
};

} // namespace norvo
