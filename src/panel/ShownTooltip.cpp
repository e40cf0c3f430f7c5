#include "panel/ShownTooltip.h"

#include "panel/PanelText.h"

namespace norvo {

void ShownTooltip::rebuild(Control& control, Control& status, bool named, std::string_view name, std::string_view info)
{
    // Built whole before anything is kept, so that a failure keeps the texts
    // true.
    std::string tip = named ? roomTip(name, info) : oneLineInfo(info);
    std::string said = connectedRoomWords(name, info);
    std::string keptName(name);
    std::string keptInfo(info);
    named_ = named;
    name_ = std::move(keptName);
    info_ = std::move(keptInfo);
    tip_ = std::move(tip);
    said_ = std::move(said);
    control.setToolTipText(tip_);
    status.setAccessibleDescription(said_);
}

} // namespace norvo
