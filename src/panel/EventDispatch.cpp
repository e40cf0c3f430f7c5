#include "panel/EventDispatch.h"

#include "panel/Binding.h"
#include "panel/RadioDisplay.h"
#include "panel/RoomDisplay.h"

namespace norvo {

void EventDispatch::receive(const VoiceEvent& event)
{
    using Kind = VoiceEvent::Kind;
    switch (event.kind) {
    case Kind::Disconnected: binding_.Norvo_Disconnected(); break;
    // Nothing to show yet: the objects announce themselves.
    case Kind::Connected: break;
    case Kind::MainPilotUserDeleted:
    case Kind::MainPilotUserChanged:
    case Kind::MainPilotUserCreated: radios_.Norvo_MainPilotUserChanged(); break;
    case Kind::ObjectCreated: binding_.Norvo_ObjectCreated(event.handle); break;
    case Kind::ObjectDeleted: binding_.Norvo_ObjectDeleted(event.handle); break;
    case Kind::ObjectTextChanged: rooms_.Norvo_ObjectTextChanged(event.handle, event.index); break;
    case Kind::ObjectValueChanged: rooms_.Norvo_ObjectValueChanged(event.handle, event.index); break;
    }
}

} // namespace norvo
