#pragma once

#include <NorvoUITOKA/platform/Control.h>
#include <NorvoUITOKA/platform/SameText.h>

#include <string>
#include <string_view>

namespace norvo {

// A room's tooltip and the texts it was built from. Building one (the
// information's lines joined, the room's name in front) costs far more than
// comparing texts, and most refreshes find the room as it was shown: then
// the control is left alone and nothing is built.
class ShownTooltip {
public:
    // The room's name, " : ", its information on one line.
    void showRoom(Control& control, std::string_view name, std::string_view info)
    {
        if (!shows(control, true, name, info))
            rebuild(control, true, name, info);
    }
    // The information alone, on one line.
    void showInformation(Control& control, std::string_view info)
    {
        if (!shows(control, false, {}, info))
            rebuild(control, false, {}, info);
    }

private:
    // The control's own tooltip is compared too: another refresh may have
    // cleared it since.
    bool shows(const Control& control, bool named, std::string_view name, std::string_view info) const
    {
        return named == named_ && sameText(name, name_) && sameText(info, info_)
            && sameText(control.toolTipText(), tip_);
    }
    void rebuild(Control& control, bool named, std::string_view name, std::string_view info);

    // tip_ is always what named_, name_ and info_ give, starting from the
    // empty information alone.
    bool named_ = false;
    std::string name_;
    std::string info_;
    std::string tip_;
};

} // namespace norvo
