#include "voice/VoiceEvent.h"

#include "voice/VoiceEvents.h"

namespace norvo {

void VoiceEvent::deliverTo(VoiceEvents& sink) const
{
    switch (kind) {
    case Kind::Disconnected: sink.Norvo_Disconnected(); break;
    case Kind::Connected: sink.Norvo_Connected(); break;
    case Kind::MainPilotUserDeleted: sink.Norvo_MainPilotUserDeleted(); break;
    case Kind::MainPilotUserChanged: sink.Norvo_MainPilotUserChanged(); break;
    case Kind::MainPilotUserCreated: sink.Norvo_MainPilotUserCreated(); break;
    case Kind::ObjectCreated: sink.Norvo_ObjectCreated(handle); break;
    case Kind::ObjectDeleted: sink.Norvo_ObjectDeleted(handle); break;
    case Kind::ObjectTextChanged: sink.Norvo_ObjectTextChanged(handle, index); break;
    case Kind::ObjectValueChanged: sink.Norvo_ObjectValueChanged(handle, index); break;
    }
}

std::string VoiceEvent::describe() const
{
    const auto pair = [this] { return "(" + std::to_string(handle) + ", " + std::to_string(index) + ")"; };
    switch (kind) {
    case Kind::Disconnected: return "Disconnected";
    case Kind::Connected: return "Connected";
    case Kind::MainPilotUserDeleted: return "MainPilotUserDeleted";
    case Kind::MainPilotUserChanged: return "MainPilotUserChanged";
    case Kind::MainPilotUserCreated: return "MainPilotUserCreated";
    case Kind::ObjectCreated: return "ObjectCreated(" + std::to_string(handle) + ")";
    case Kind::ObjectDeleted: return "ObjectDeleted(" + std::to_string(handle) + ")";
    case Kind::ObjectTextChanged: return "ObjectTextChanged" + pair();
    case Kind::ObjectValueChanged: return "ObjectValueChanged" + pair();
    }
    return "?";
}

} // namespace norvo
