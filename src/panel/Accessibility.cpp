#include "panel/Accessibility.h"

#include "panel/PanelControls.h"
#include "panel/PanelWords.h"

#include <string>

namespace norvo::Accessibility {

namespace {

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

void describe(Control& form, const PanelControls& c, const PanelWords& w)
{
    describeAs(form, AccessibleRole::Pane, w.voicePanel);
    // The rows as a pilot names them.
    const std::string rowNames[Slots::Shown] = {"COM1", "COM2", w.freeChannel};
    for (std::size_t i = 0; i < Slots::Shown; ++i) {
        const auto name = [&](const std::string& pattern) { return TextCatalogue::fill(pattern, {rowNames[i]}); };
        describeAs(*c.RoomStatus[i], AccessibleRole::Button, name(w.rowRoom));
        describeToggle(*c.COMReceive[i], name(w.rowReceive));
        describeToggle(*c.COMTransmit[i], name(w.rowTransmit));
        describeToggle(*c.PriorityChannel[i], name(w.rowPriority));
        describeToggle(*c.ToSpeaker[i], name(w.rowToSpeaker));
        // The activity boxes only show: no tab stops.
        describeAs(*c.RoomRecvActivity[i], AccessibleRole::Indicator, name(w.rowReceiveActivity));
        describeAs(*c.RoomSendActivity[i], AccessibleRole::Indicator, name(w.rowSendActivity));
        c.RoomRecvActivity[i]->setTabStop(false);
        c.RoomSendActivity[i]->setTabStop(false);
        if (c.Freq[i])
            describeAs(*c.Freq[i], AccessibleRole::StaticText, name(w.rowFrequency));
    }
    ComboBox& freeChannel = *c.FreqInfo[Slots::FreeChannel];
    describeAs(freeChannel, AccessibleRole::ComboBox, w.freeChannelName);
    freeChannel.setHint(w.freeChannelHint);
    describeToggle(*c.GeneralSpeaker, w.allChannelsToSpeaker);
    describeAs(*c.btnQuit, AccessibleRole::Button, w.closePanel);
    describeAs(*c.RecvActivity, AccessibleRole::Indicator, w.receiveActivity);
    describeAs(*c.SendActivity, AccessibleRole::Indicator, w.sendActivity);
    describeAs(*c.VATSIMWarning, AccessibleRole::StaticText, c.VATSIMWarning->caption());
    // A colour block behind the close button.
    c.Label2->setAccessibleRole(AccessibleRole::None);
}

void showToggle(Control& control, bool on, const PanelWords& words, std::string_view description)
{
    control.setCheckState(on ? CheckState::Checked : CheckState::Unchecked);
    control.setAccessibleDescription(!description.empty() ? description : std::string_view(on ? words.on : words.off));
}

} // namespace norvo::Accessibility
