#include "panel/ShownTooltip.h"

#include "panel/PanelText.h"

namespace norvo {

void ShownTooltip::showRoom(Control& control, std::string_view name, std::string_view info)
{
    show(control, true, name, info);
}

void ShownTooltip::showInformation(Control& control, std::string_view info) { show(control, false, {}, info); }

void ShownTooltip::show(Control& control, bool named, std::string_view name, std::string_view info)
{
    // The control's own tooltip is compared too: another refresh may have
    // cleared it since.
    if (named == named_ && name == name_ && info == info_ && control.toolTipText() == tip_)
        return;
    // Built whole before anything is kept, so that a failure keeps tip_ true.
    std::string tip = named ? roomTip(name, info) : oneLineInfo(info);
    std::string keptName(name);
    std::string keptInfo(info);
    named_ = named;
    name_ = std::move(keptName);
    info_ = std::move(keptInfo);
    tip_ = std::move(tip);
    control.setToolTipText(tip_);
}

} // namespace norvo
