#include "voice/VoiceEventReceiver.h"

namespace norvo {

using Kind = VoiceEvent::Kind;

void VoiceEventReceiver::Norvo_Disconnected() { receive({Kind::Disconnected}); }
void VoiceEventReceiver::Norvo_Connected() { receive({Kind::Connected}); }
void VoiceEventReceiver::Norvo_MainPilotUserDeleted() { receive({Kind::MainPilotUserDeleted}); }
void VoiceEventReceiver::Norvo_MainPilotUserChanged() { receive({Kind::MainPilotUserChanged}); }
void VoiceEventReceiver::Norvo_MainPilotUserCreated() { receive({Kind::MainPilotUserCreated}); }
void VoiceEventReceiver::Norvo_ObjectCreated(std::int32_t handle) { receive({Kind::ObjectCreated, handle}); }
void VoiceEventReceiver::Norvo_ObjectDeleted(std::int32_t handle) { receive({Kind::ObjectDeleted, handle}); }

void VoiceEventReceiver::Norvo_ObjectTextChanged(std::int32_t handle, std::int32_t index)
{
    receive({Kind::ObjectTextChanged, handle, index});
}

void VoiceEventReceiver::Norvo_ObjectValueChanged(std::int32_t handle, std::int32_t index)
{
    receive({Kind::ObjectValueChanged, handle, index});
}

} // namespace norvo
