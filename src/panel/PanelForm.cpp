#include "panel/PanelForm.h"

#include "labels/PropertyBag.h"
#include "panel/Accessibility.h"
#include "panel/PanelPalette.h"
#include "panel/TOKA.h"
#include "platform/Surface.h"

#include <memory>
#include <string>
#include <utility>

namespace norvo {

using namespace PanelPalette;

namespace {

constexpr int NoIndex = Control::NoIndex;

template <class T> T& place(Control& container, std::unique_ptr<T> control, Rect box)
{
    T& added = container.addChild(std::move(control));
    added.setGeometry(box.x, box.y, box.width, box.height);
    return added;
}

Frame& addFrame(Control& container, const char* name, int index, Rect box)
{
    auto& frame = place(container, std::make_unique<Frame>(name, index), box);
    frame.setBackColor(Black);
    frame.setForeColor(SystemWindowText);
    return frame;
}

PictureBox& addIndicator(Control& container, const char* name, int index, Rect box, Colour back, const std::string& tip)
{
    auto& indicator = place(container, std::make_unique<PictureBox>(name, index), box);
    indicator.setBackColor(back);
    indicator.setForeColor(SystemWindowText);
    indicator.setToolTipText(tip);
    return indicator;
}

Label& addLabel(Control& container, const char* name, int index, Rect box, Colour back)
{
    auto& label = place(container, std::make_unique<Label>(name, index), box);
    label.setBackColor(back);
    return label;
}

// What the stored form keeps of a skinned label instance; everything else is
// at its default.
struct StoredLabel {
    std::string caption;
    std::int32_t status = 0;
    std::int32_t style = 0;
    std::string toolTip;
};

// The instance's property store as the container hands it over: saved by the
// designer (HandCursor off on every instance of this form) and read back from
// its bytes.
PropertyBag storedProperties(const StoredLabel& stored)
{
    PropertyBag bag;
    bag.WriteProperty("Caption", stored.caption, std::string{});
    bag.WriteProperty("Status", stored.status, std::int32_t{0});
    bag.WriteProperty("Style", stored.style, std::int32_t{0});
    bag.WriteProperty("ToolTipTextEx", stored.toolTip, std::string{});
    bag.WriteProperty("FontEx", std::string{}, std::string{});
    bag.WriteProperty("HandCursor", false, true);
    return PropertyBag::parse(bag.serialize());
}

// Sized first, as the container does, so that the first picture is drawn at
// the instance's own size.
template <class T>
T& addSkinned(Control& container, const char* name, int index, Clock& clock, Rect box, const StoredLabel& stored)
{
    auto& label = place(container, std::make_unique<T>(name, index, clock), box);
    label.ReadProperties(storedProperties(stored));
    return label;
}

constexpr std::pair<const char*, int> TabOrder[] = {{"Label2", NoIndex}, {"channel", 0}, {"COMReceive", 0},
    {"COMTransmit", 0}, {"Freq", 0}, {"channel", 1}, {"COMTransmit", 1}, {"COMReceive", 1}, {"Freq", 1}, {"Room", 0},
    {"RoomSendActivity", 0}, {"RoomRecvActivity", 0}, {"RoomStatus", 0}, {"Room", 1}, {"RoomStatus", 1},
    {"RoomRecvActivity", 1}, {"RoomSendActivity", 1}, {"SendActivity", NoIndex}, {"RecvActivity", NoIndex},
    {"channel", 2}, {"PriorityChannel", 0}, {"PriorityChannel", 1}, {"VATSIMWarning", NoIndex}, {"Room", 2},
    {"RoomSendActivity", 2}, {"RoomRecvActivity", 2}, {"RoomStatus", 2}, {"COMTransmit", 2}, {"COMReceive", 2},
    {"PriorityChannel", 2}, {"FreqInfo", 2},
    // The skinned labels follow the standard controls.
    {"ToSpeaker", 0}, {"ToSpeaker", 1}, {"ToSpeaker", 2}, {"GeneralSpeaker", NoIndex}, {"btnQuit", NoIndex}};

} // namespace

// Children are kept in z-order, bottom first. Each container's children are
// added here in the reverse of the designer's listing, so the control listed
// first in a container ends on top (VATSIMWarning, for one, lies beneath
// Room(2) and shows only while that frame is hidden).
PanelControls buildPanelForm(Form& form, Clock& clock, const PanelWords& w)
{
    PanelControls c;
    form.setBackColor(Black);
    form.setSize(TOKA::DesignWidth, TOKA::DesignHeight);

    c.Label2 = &addLabel(form, "Label2", NoIndex, {510, 0, 41, 50}, Cyan);
    c.SendActivity = &addLabel(form, "SendActivity", NoIndex, {0, 0, 7, 72}, Purple);
    c.SendActivity->setToolTipText(w.emissionActivityTip);
    c.RecvActivity = &addLabel(form, "RecvActivity", NoIndex, {8, 0, 7, 72}, Cyan);
    c.RecvActivity->setForeColor(SystemWindowText);
    c.RecvActivity->setToolTipText(w.receptionActivityTip);
    c.btnQuit = &addSkinned<UserLabel>(form, "btnQuit", NoIndex, clock, {510, 3, 25, 14}, {"x", 5, 0, w.closeTip});
    c.channel[0] = &addFrame(form, "channel", 0, {17, 0, 124, 20});
    c.channel[1] = &addFrame(form, "channel", 1, {142, 0, 124, 20});
    c.channel[2] = &addFrame(form, "channel", 2, {266, 0, 220, 20});
    c.GeneralSpeaker = &addSkinned<UserLabelGraph>(
        form, "GeneralSpeaker", NoIndex, clock, {489, 3, 18, 15}, {"", 0, 6, w.allToSpeakerTip});

    // The radio rows: frequency and radio buttons outside the room frame, so
    // they stay when the frame is hidden.
    for (std::size_t i = 0; i < 2; ++i) {
        const int k = static_cast<int>(i);
        Frame& row = *c.channel[i];
        c.Freq[i] = &addLabel(row, "Freq", k, {0, 3, 55, 12}, Black);
        c.Freq[i]->setForeColor(Olive);
        c.Freq[i]->setCaption(k == 0 ? "COMM1" : "COMM2");
        c.Freq[i]->setAlignment(Alignment::Center);
        c.COMTransmit[i] = &addIndicator(row, "COMTransmit", k, {55, 0, 8, 20}, Green, w.radioTransmitTip);
        c.COMReceive[i] = &addIndicator(row, "COMReceive", k, {62, 0, 8, 20}, Brown, w.radioReceiveTip);
        c.Room[i] = &addFrame(row, "Room", k, {69, 0, 51, 20});
        Frame& room = *c.Room[i];
        c.ToSpeaker[i]
            = &addSkinned<UserLabelGraph>(room, "ToSpeaker", k, clock, {32, 3, 18, 15}, {"", 0, 6, w.speakerTip});
        c.RoomSendActivity[i]
            = &addIndicator(room, "RoomSendActivity", k, {0, 13, 21, 7}, Green, w.receptionActivityTip);
        c.RoomStatus[i] = &addIndicator(room, "RoomStatus", k, {0, 6, 21, 8}, k == 0 ? Red : Green, w.connectionTip);
        c.RoomRecvActivity[i] = &addIndicator(
            room, "RoomRecvActivity", k, {0, 0, 21, 7}, k == 0 ? Orange : Green, w.receptionActivityTip);
        c.PriorityChannel[i] = &addIndicator(room, "PriorityChannel", k, {20, 0, 11, 20}, Green, w.priorityTip);
    }

    // The free channel row: everything but the warning inside Room(2).
    const std::size_t free = Slots::FreeChannel;
    Frame& row = *c.channel[free];
    c.VATSIMWarning = &addLabel(row, "VATSIMWarning", NoIndex, {2, 4, 217, 14}, Black);
    c.VATSIMWarning->setTransparent(true);
    c.VATSIMWarning->setForeColor(White);
    c.VATSIMWarning->setCaption(w.voiceOnlyWarning);
    c.VATSIMWarning->setAlignment(Alignment::Center);
    c.VATSIMWarning->setFont(Font{"Verdana", 6, false});
    Frame& room = addFrame(row, "Room", 2, {0, 0, 220, 20});
    c.Room[free] = &room;
    c.ToSpeaker[free]
        = &addSkinned<UserLabelGraph>(room, "ToSpeaker", 2, clock, {201, 3, 18, 15}, {"", 0, 6, w.speakerTip});
    c.PriorityChannel[free] = &addIndicator(room, "PriorityChannel", 2, {190, 0, 11, 20}, Green, w.priorityTip);
    c.RoomSendActivity[free]
        = &addIndicator(room, "RoomSendActivity", 2, {170, 9, 21, 11}, Green, w.receptionActivityTip);
    c.RoomRecvActivity[free]
        = &addIndicator(room, "RoomRecvActivity", 2, {170, 0, 21, 10}, Green, w.receptionActivityTip);
    c.RoomStatus[free] = &addIndicator(room, "RoomStatus", 2, {155, 0, 16, 20}, Green, w.connectionTip);
    c.COMReceive[free] = &addIndicator(room, "COMReceive", 2, {148, 0, 8, 20}, Brown, w.receiveMuteTip);
    c.COMTransmit[free] = &addIndicator(room, "COMTransmit", 2, {141, 0, 8, 20}, Green, w.transmitMuteTip);
    auto& freqInfo = place(room, std::make_unique<ComboBox>("FreqInfo", 2), {0, 0, 141, 20});
    freqInfo.setBackColor(Black);
    freqInfo.setForeColor(Olive);
    freqInfo.setFont(Font{"Verdana", 6.75, false});
    c.FreqInfo[free] = &freqInfo;

    std::int32_t tabIndex = 0;
    for (const auto& [name, index] : TabOrder)
        form.at(name, index).setTabIndex(tabIndex++);

    Accessibility::describe(form, c, w);
    return c;
}

} // namespace norvo
