#pragma once

#include "panel/PanelControls.h"
#include "panel/PanelWords.h"
#include "panel/VoiceObject.h"

namespace norvo {

// The rows of the radios COMM1 and COMM2: each one's frequency, and whether
// it is heard and transmits, unless its slot is muted.
class RadioDisplay {
public:
    RadioDisplay(VoiceObject& voice, const PanelControls& controls, const PanelWords& words)
        : voice_(voice)
        , c_(controls)
        , words_(words)
    {
    }

    // The radio refresh: repaints both rows from the main pilot user and the
    // bound object. It reacts to the main pilot user's events, and runs after
    // every radio command and on a radio slot's mute change.
    void Norvo_MainPilotUserChanged();

private:
    // selection: '1', '2', 'B' (both) or none.
    void showSelection(char selection, bool bound, bool receive);

    VoiceObject& voice_;
    const PanelControls& c_;
    const PanelWords& words_;
};

} // namespace norvo
