#pragma once

#include "voice/VoiceEventSink.h"

namespace norvo {

class Binding;
class RadioDisplay;
class RoomDisplay;

// What each of the voice client's events runs: the panel's reaction of the
// same name.
class EventDispatch final : public VoiceEventSink {
public:
    EventDispatch(Binding& binding, RadioDisplay& radios, RoomDisplay& rooms)
        : binding_(binding)
        , radios_(radios)
        , rooms_(rooms)
    {
    }

    void receive(const VoiceEvent& event) override;

private:
    Binding& binding_;
    RadioDisplay& radios_;
    RoomDisplay& rooms_;
};

} // namespace norvo
