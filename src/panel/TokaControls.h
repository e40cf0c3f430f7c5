#pragma once

#include "labels/UserLabel.h"
#include "labels/UserLabelGraph.h"
#include "panel/StateWords.h"
#include "panel/TOKA.h"
#include "platform/ComboBox.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"

#include <array>
#include <string>
#include <string_view>

namespace norvo {

// Typed handles on the panel's children (the form owns them). Control arrays
// are indexed by slot; an element that does not exist is an error, as looking
// it up by name would be.
struct TOKA::Controls {
    static constexpr int Slots = 3;
    template <class T> using Row = std::array<T*, Slots>;

    Row<Frame> channel{};
    Row<Frame> Room{};
    Row<PictureBox> PriorityChannel{};
    Row<PictureBox> COMReceive{};
    Row<PictureBox> COMTransmit{};
    Row<PictureBox> RoomStatus{};
    Row<PictureBox> RoomRecvActivity{};
    Row<PictureBox> RoomSendActivity{};
    Row<UserLabelGraph> ToSpeaker{};
    // Freq exists for the radio slots 0 and 1, FreqInfo for the free channel only.
    Row<Label> Freq{};
    Row<ComboBox> FreqInfo{};
    UserLabelGraph* GeneralSpeaker = nullptr;
    UserLabel* btnQuit = nullptr;
    Label* RecvActivity = nullptr;
    Label* SendActivity = nullptr;
    Label* Label2 = nullptr;
    Label* VATSIMWarning = nullptr;

    template <class T> static T& element(const Row<T>& row, int slot, const char* name)
    {
        if (slot < 0 || slot >= Slots || !row[static_cast<std::size_t>(slot)])
            missing(name, slot);
        return *row[static_cast<std::size_t>(slot)];
    }
    // Raises NoSuchControl; out of line, so that a lookup stays a few
    // instructions.
    [[noreturn]] static void missing(const char* name, int slot);

    // How a toggle tells assistive technology whether it is on: On or Off
    // unless words are given. Inline, as a refresh mostly shows it as it is.
    static void showToggle(Control& control, bool on, std::string_view words = {})
    {
        control.setCheckState(on ? CheckState::Checked : CheckState::Unchecked);
        control.setAccessibleDescription(!words.empty() ? words : on ? StateWords::On : StateWords::Off);
    }

    // The control whose tooltip shows slot k's room: Freq(k) for a radio
    // slot, FreqInfo(k) for the free channel.
    Control& roomTip(int slot)
    {
        if (slot < 2)
            return element(Freq, slot, "Freq");
        return element(FreqInfo, slot, "FreqInfo");
    }
};

} // namespace norvo
