#include "panel/PanelControls.h"

#include <string>

namespace norvo {

Control& PanelControls::roomTip(std::int32_t slot) const
{
    if (Slots::isRadio(slot))
        return element(Freq, slot, "Freq");
    return element(FreqInfo, slot, "FreqInfo");
}

void PanelControls::missing(const char* name, std::int32_t slot)
{
    throw NoSuchControl(std::string("no control ") + name + "(" + std::to_string(slot) + ") in TOKA");
}

} // namespace norvo
