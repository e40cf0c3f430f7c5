#pragma once

#include "labels/UserLabel.h"
#include "labels/UserLabelGraph.h"
#include "platform/ComboBox.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "voice/Slots.h"

#include <array>

namespace norvo {

// Typed handles on the panel's children; the form owns them. Control arrays
// are indexed by slot, and an element that does not exist is an error, as
// looking it up by name would be.
struct PanelControls {
    template <class T> using Row = std::array<T*, Slots::Shown>;

    Row<Frame> channel{};
    Row<Frame> Room{};
    Row<PictureBox> PriorityChannel{};
    Row<PictureBox> COMReceive{};
    Row<PictureBox> COMTransmit{};
    Row<PictureBox> RoomStatus{};
    Row<PictureBox> RoomRecvActivity{};
    Row<PictureBox> RoomSendActivity{};
    Row<UserLabelGraph> ToSpeaker{};
    // Freq exists for the radio slots, FreqInfo for the free channel only.
    Row<Label> Freq{};
    Row<ComboBox> FreqInfo{};
    UserLabelGraph* GeneralSpeaker = nullptr;
    UserLabel* btnQuit = nullptr;
    Label* RecvActivity = nullptr;
    Label* SendActivity = nullptr;
    Label* Label2 = nullptr;
    Label* VATSIMWarning = nullptr;

    // Raises NoSuchControl when the slot's element does not exist.
    template <class T> static T& element(const Row<T>& row, std::int32_t slot, const char* name);

    // The control whose tooltip shows the slot's room: Freq(k) for a radio,
    // FreqInfo(k) for the free channel.
    Control& roomTip(std::int32_t slot) const;

private:
    [[noreturn]] static void missing(const char* name, std::int32_t slot);
};

template <class T> T& PanelControls::element(const Row<T>& row, std::int32_t slot, const char* name)
{
    if (slot < 0 || slot >= Slots::Shown || !row[static_cast<std::size_t>(slot)])
        missing(name, slot);
    return *row[static_cast<std::size_t>(slot)];
}

} // namespace norvo
