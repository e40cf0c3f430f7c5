#pragma once

#include "panel/PanelControls.h"
#include "panel/PanelWords.h"
#include "platform/Clock.h"
#include "platform/Form.h"

namespace norvo {

// Builds the panel's controls on its form at their design places, sizes,
// colours and texts, in the designer's tab order, and describes them to
// assistive technology, in the words given. The labels' timers run on the
// clock.
PanelControls buildPanelForm(Form& form, Clock& clock, const PanelWords& words);

} // namespace norvo
