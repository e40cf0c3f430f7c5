#include "panel/Accessibility.h"

#include "panel/PanelControls.h"
#include "panel/StateWords.h"

#include <string>

namespace norvo::Accessibility {

namespace {

// The rows as a pilot names them.
constexpr const char* RowNames[Slots::Shown] = {"COM1", "COM2", "Free channel"};

void describeAs(Control& control, AccessibleRole role, const std::string& name)
{
    control.setAccessibleRole(role);
    control.setAccessibleName(name);
}

void describeToggle(Control& control, const std::string& name)
{
    describeAs(control, AccessibleRole::CheckBox, name);
    control.setCheckState(CheckState::Unchecked);
}

} // namespace

void describe(Control& form, const PanelControls& c)
{
    describeAs(form, AccessibleRole::Pane, "Voice panel");
    for (std::size_t i = 0; i < Slots::Shown; ++i) {
        const std::string row = RowNames[i];
        describeAs(*c.RoomStatus[i], AccessibleRole::Button, row + " room");
        describeToggle(*c.COMReceive[i], row + " receive");
        describeToggle(*c.COMTransmit[i], row + " transmit");
        describeToggle(*c.PriorityChannel[i], row + " priority");
        describeToggle(*c.ToSpeaker[i], row + " to speaker");
        // The activity boxes only show: no tab stops.
        describeAs(*c.RoomRecvActivity[i], AccessibleRole::Indicator, row + " receive activity");
        describeAs(*c.RoomSendActivity[i], AccessibleRole::Indicator, row + " send activity");
        c.RoomRecvActivity[i]->setTabStop(false);
        c.RoomSendActivity[i]->setTabStop(false);
        if (c.Freq[i])
            describeAs(*c.Freq[i], AccessibleRole::StaticText, row + " frequency");
    }
    ComboBox& freeChannel = *c.FreqInfo[Slots::FreeChannel];
    describeAs(freeChannel, AccessibleRole::ComboBox, "Free channel room name");
    freeChannel.setHint("Type a room name or frequency, then press Enter to join it");
    describeToggle(*c.GeneralSpeaker, "All channels to speaker");
    describeAs(*c.btnQuit, AccessibleRole::Button, "Close panel");
    describeAs(*c.RecvActivity, AccessibleRole::Indicator, "Receive activity");
    describeAs(*c.SendActivity, AccessibleRole::Indicator, "Send activity");
    describeAs(*c.VATSIMWarning, AccessibleRole::StaticText, c.VATSIMWarning->caption());
    // A colour block behind the close button.
    c.Label2->setAccessibleRole(AccessibleRole::None);
}

void showToggle(Control& control, bool on, std::string_view words)
{
    control.setCheckState(on ? CheckState::Checked : CheckState::Unchecked);
    control.setAccessibleDescription(!words.empty() ? words : on ? StateWords::On : StateWords::Off);
}

} // namespace norvo::Accessibility
