#include "panel/PanelPalette.h"
#include "panel/PanelText.h"
#include "panel/PropertyIndex.h"
#include "panel/TokaControls.h"
#include "panel/VoiceLock.h"

namespace norvo {

using namespace PanelPalette;

void TOKA::Norvo_MainPilotUserChanged()
{
    Controls& c = *controls_;
    VoiceClient& voice = env_.voice;
    std::string receive;
    std::string transmit;
    {
        PilotLock pilot(voice, 0);
        if (!pilot) {
            c.Freq[0]->setCaption("COMM1");
            c.Freq[1]->setCaption("COMM2");
            for (std::size_t k = 0; k < 2; ++k) {
                c.COMReceive[k]->setBackColor(Brown);
                c.COMTransmit[k]->setBackColor(Brown);
            }
            return;
        }
        receive = voice.ReceiveRadio();
        transmit = voice.TransmitRadio();
        c.Freq[0]->setCaption(voice.Com1Frequency());
        c.Freq[1]->setCaption(voice.Com2Frequency());
        pilot.release();
    }
    ObjectLock object(voice, fields_.VoiceHandle);
    const bool bound = static_cast<bool>(object);
    showRadioSelection(receive, bound, true);
    showRadioSelection(transmit, bound, false);
    object.release();
}

// Lights the buttons of the selected radios; while an object is bound, only
// those whose slot is not muted.
void TOKA::showRadioSelection(const std::string& selection, bool bound, bool receive)
{
    auto& buttons = receive ? controls_->COMReceive : controls_->COMTransmit;
    const std::int32_t muteBase = receive ? fields_.ReceiveBase : fields_.TransmitBase;
    const auto paint = [&](std::size_t k, bool selected) {
        const bool on = selected && (!bound || env_.voice.GetLong(slotProperty(muteBase, static_cast<int>(k))) == 0);
        buttons[k]->setBackColor(on ? Green : Brown);
    };
    if (selection == "2") {
        paint(1, true);
        paint(0, false);
    } else {
        paint(0, selection == "1" || selection == "B");
        paint(1, selection == "B");
    }
}

void TOKA::Norvo_ObjectTextChanged(std::int32_t handle, std::int32_t index)
{
    int slot = 0;
    if (handle != fields_.VoiceHandle || !inBlock(index, fields_.InfoBase, fields_.RoomCount, slot))
        return;
    ObjectLock lock(env_.voice, fields_.VoiceHandle);
    if (!lock)
        return;
    if (env_.voice.GetLong(slotProperty(fields_.StateBase, slot)) == RoomState::Connected)
        showRoomInfo(slot, false);
    else
        controls_->roomTip(slot).setToolTipText("");
    lock.release();
}

// Tooltips are compared before they are built: a refresh that finds the
// room as shown builds nothing.
void TOKA::showRoomInfo(int slot, bool connecting)
{
    VoiceClient& voice = env_.voice;
    const std::string info = voice.GetString(slotProperty(fields_.InfoBase, slot));
    if (slot < 2) {
        const std::string name = voice.GetString(slotProperty(fields_.NameBase, slot));
        Control& tip = controls_->roomTip(slot);
        if (!showsRoomTip(tip.toolTipText(), name, info))
            tip.setToolTipText(roomTip(name, info));
        return;
    }
    ComboBox& box = Controls::element(controls_->FreqInfo, slot, "FreqInfo");
    const auto showInfo = [&] {
        if (!showsOneLineInfo(box.toolTipText(), info))
            box.setToolTipText(oneLineInfo(info));
    };
    if (!connecting) {
        showInfo();
        return;
    }
    const std::string name = voice.GetString(slotProperty(fields_.NameBase, slot));
    showInfo();
    box.setText(name);
    rememberChannel(box);
}

} // namespace norvo
