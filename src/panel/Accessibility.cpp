#include "panel/TokaControls.h"

#include <string>

namespace norvo {

namespace {

// The rows as a pilot names them.
constexpr const char* RowNames[] = {"COM1", "COM2", "Free channel"};

void describe(Control& control, AccessibleRole role, const std::string& name)
{
    control.setAccessibleRole(role);
    control.setAccessibleName(name);
}

// Off until the first refresh shows it.
void describeToggle(Control& control, const std::string& name)
{
    describe(control, AccessibleRole::CheckBox, name);
    control.setCheckState(CheckState::Unchecked);
}

} // namespace

void TOKA::describeControls()
{
    Controls& c = *controls_;
    describe(*form_, AccessibleRole::Pane, "Voice panel");
    for (std::size_t i = 0; i < Controls::Slots; ++i) {
        const std::string row = RowNames[i];
        describe(*c.RoomStatus[i], AccessibleRole::Button, row + " room");
        describeToggle(*c.COMReceive[i], row + " receive");
        describeToggle(*c.COMTransmit[i], row + " transmit");
        describeToggle(*c.PriorityChannel[i], row + " priority");
        describeToggle(*c.ToSpeaker[i], row + " to speaker");
        // The activity boxes only show: no tab stops.
        describe(*c.RoomRecvActivity[i], AccessibleRole::Indicator, row + " receive activity");
        describe(*c.RoomSendActivity[i], AccessibleRole::Indicator, row + " send activity");
        c.RoomRecvActivity[i]->setTabStop(false);
        c.RoomSendActivity[i]->setTabStop(false);
        if (c.Freq[i])
            describe(*c.Freq[i], AccessibleRole::StaticText, row + " frequency");
    }
    ComboBox& freeChannel = *c.FreqInfo[2];
    describe(freeChannel, AccessibleRole::ComboBox, "Free channel room name");
    freeChannel.setHint("Type a room name or frequency, then press Enter to join it");
    describeToggle(*c.GeneralSpeaker, "All channels to speaker");
    describe(*c.btnQuit, AccessibleRole::Button, "Close panel");
    describe(*c.RecvActivity, AccessibleRole::Indicator, "Receive activity");
    describe(*c.SendActivity, AccessibleRole::Indicator, "Send activity");
    describe(*c.VATSIMWarning, AccessibleRole::StaticText, c.VATSIMWarning->caption());
    // A colour block behind the close button.
    c.Label2->setAccessibleRole(AccessibleRole::None);
}

} // namespace norvo
