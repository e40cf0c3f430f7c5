#pragma once

#include <NorvoUITOKA/platform/Control.h>
#include <NorvoUITOKA/platform/SameText.h>

#include <string>
#include <string_view>

namespace norvo {

// A room's tooltip, what the room's button tells assistive technology
// ("Connected to EDDF_TWR: Frankfurt Tower ..."), and the texts they were
// built from. Building them (the information's lines joined, the room's name
// in front) costs far more than comparing texts, and most refreshes find the
// room as it was shown: then the controls are left alone and nothing is
// built.
class ShownTooltip {
public:
    // The tooltip: the room's name, " : ", its information on one line.
    void showRoom(Control& control, Control& status, std::string_view name, std::string_view info)
    {
        if (!shows(control, status, true, name, info))
            rebuild(control, status, true, name, info);
    }
    // The tooltip: the information alone, on one line.
    void showInformation(Control& control, Control& status, std::string_view name, std::string_view info)
    {
        if (!shows(control, status, false, name, info))
            rebuild(control, status, false, name, info);
    }
    // The room's name last shown.
    const std::string& name() const { return name_; }

private:
    // The controls' own texts are compared too: another refresh may have
    // changed them since.
    bool shows(
        const Control& control, const Control& status, bool named, std::string_view name, std::string_view info) const
    {
        return named == named_ && sameText(name, name_) && sameText(info, info_)
            && sameText(control.toolTipText(), tip_) && sameText(status.accessibleDescription(), said_);
    }
    void rebuild(Control& control, Control& status, bool named, std::string_view name, std::string_view info);

    // tip_ and said_ are always what named_, name_ and info_ give, starting
    // from the empty information alone and nothing said.
    bool named_ = false;
    std::string name_;
    std::string info_;
    std::string tip_;
    std::string said_;
};

} // namespace norvo
