#include "voice/VoiceEvent.h"

namespace norvo {

std::string VoiceEvent::describe() const
{
    const auto handleOnly = [this] { return "(" + std::to_string(handle) + ")"; };
    const auto pair = [this] { return "(" + std::to_string(handle) + ", " + std::to_string(index) + ")"; };
    switch (kind) {
    case Kind::Disconnected: return "Disconnected";
    case Kind::Connected: return "Connected";
    case Kind::MainPilotUserDeleted: return "MainPilotUserDeleted";
    case Kind::MainPilotUserChanged: return "MainPilotUserChanged";
    case Kind::MainPilotUserCreated: return "MainPilotUserCreated";
    case Kind::ObjectCreated: return "ObjectCreated" + handleOnly();
    case Kind::ObjectDeleted: return "ObjectDeleted" + handleOnly();
    case Kind::ObjectTextChanged: return "ObjectTextChanged" + pair();
    case Kind::ObjectValueChanged: return "ObjectValueChanged" + pair();
    }
    return "?";
}

} // namespace norvo
