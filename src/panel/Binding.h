#pragma once

#include "panel/VoiceObject.h"

#include <cstdint>

namespace norvo {

class RadioDisplay;
class RoomDisplay;

// Binds the panel to the voice object of type "VOICE" named "TOKA" that the
// client announces, and lets go of it.
class Binding {
public:
    Binding(VoiceObject& voice, RadioDisplay& radios, RoomDisplay& rooms)
        : voice_(voice)
        , radios_(radios)
        , rooms_(rooms)
    {
    }

    // Binds the object when it is the panel's, then repaints every property.
    // A layout whose indices do not fit 32 bits raises ArithmeticOverflow
    // once the object is unlocked; the panel then stays exactly as it was.
    void Norvo_ObjectCreated(std::int32_t handle);
    // Unbinds when it is the bound object, then hides the rooms unless an
    // object is still bound.
    void Norvo_ObjectDeleted(std::int32_t handle);
    void Norvo_Disconnected();

private:
    VoiceObject& voice_;
    RadioDisplay& radios_;
    RoomDisplay& rooms_;
};

} // namespace norvo
