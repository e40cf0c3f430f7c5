#include "panel/PanelPalette.h"
#include "panel/PropertyIndex.h"
#include "panel/TokaControls.h"
#include "panel/VoiceLock.h"

#include <optional>

namespace norvo {

using namespace PanelPalette;

namespace {

struct Look {
    Colour colour;
    const char* text;
};

// How RoomStatus shows a room that is not connected; none for a value
// outside the known states.
std::optional<Look> unconnectedLook(std::int32_t state)
{
    switch (state) {
    case RoomState::Offline: return Look{DarkGrey, "Offline"};
    case RoomState::Pending: return Look{Teal, "Pending"};
    case RoomState::Failed: return Look{Orange, "Failed"};
    case RoomState::Kicked: return Look{Red, "Kicked"};
    default: return std::nullopt;
    }
}

// A connected room's activity box; an unknown activity leaves it as it is.
void showActivity(PictureBox& box, std::int32_t activity)
{
    if (activity != 0 && activity != 1)
        return;
    box.setBackColor(activity == 1 ? Orange : Cyan);
    box.setToolTipText(activity == 1 ? "Active" : "Inactive");
}

void showIdle(PictureBox& box)
{
    box.setBackColor(DarkGrey);
    box.setToolTipText("");
}

} // namespace

void TOKA::Norvo_ObjectValueChanged(std::int32_t handle, std::int32_t index)
{
    if (handle != fields_.VoiceHandle)
        return;
    const TokaFields& f = fields_;
    int slot = 0;
    const auto in = [&](std::int32_t base) { return inBlock(index, base, f.RoomCount, slot); };
    if (index == HeaderIndex::VoiceEnabled)
        showVoiceEnabled(handle);
    else if (index == HeaderIndex::SpeakerRouting || index == HeaderIndex::AllToSpeaker || in(f.SpeakerBase))
        showSpeakers();
    else if (index == HeaderIndex::Transmitting)
        showSendBar();
    else if (in(f.StateBase))
        showRoomState(slot, index);
    else if (in(f.SendActivityBase))
        showRoomActivity(false, slot, index);
    else if (in(f.RecvActivityBase))
        showRoomActivity(true, slot, index);
    else if (in(f.ReceiveBase))
        showMute(true, slot, index);
    else if (in(f.TransmitBase))
        showMute(false, slot, index);
    else if (in(f.PriorityBase))
        showPriority(slot, index);
}

void TOKA::showVoiceEnabled(std::int32_t handle)
{
    Controls& c = *controls_;
    std::int32_t enabled = 0;
    {
        ObjectLock lock(env_.voice, fields_.VoiceHandle);
        if (!lock)
            return;
        enabled = env_.voice.GetLong(HeaderIndex::VoiceEnabled);
        // Released before repainting: the speaker refresh below locks anew.
        lock.release();
    }
    if (enabled != 0) {
        c.RecvActivity->setVisible(true);
        c.SendActivity->setVisible(true);
        for (int k = 0; k < fields_.RoomCount; ++k)
            Controls::element(c.Room, k, "Room").setVisible(true);
        Norvo_ObjectValueChanged(handle, HeaderIndex::SpeakerRouting);
        return;
    }
    for (Frame* room : c.Room)
        room->setVisible(false);
    c.RecvActivity->setVisible(false);
    c.SendActivity->setVisible(false);
    c.GeneralSpeaker->setVisible(false);
}

void TOKA::showSpeakers()
{
    Controls& c = *controls_;
    VoiceClient& voice = env_.voice;
    ObjectLock lock(voice, fields_.VoiceHandle);
    if (!lock)
        return;
    const auto speaker = [&](int k) -> UserLabelGraph& { return Controls::element(c.ToSpeaker, k, "ToSpeaker"); };
    // 3 is read only when 2 is set, 4 only when 3 is set.
    if (voice.GetLong(HeaderIndex::VoiceEnabled) == 0 || voice.GetLong(HeaderIndex::SpeakerRouting) == 0) {
        for (int k = 0; k < fields_.RoomCount; ++k)
            speaker(k).setVisible(false);
        c.GeneralSpeaker->setVisible(false);
    } else if (voice.GetLong(HeaderIndex::AllToSpeaker) != 0) {
        c.GeneralSpeaker->Status(1);
        for (int k = 0; k < fields_.RoomCount; ++k)
            speaker(k).setVisible(false);
        c.GeneralSpeaker->setVisible(true);
    } else {
        c.GeneralSpeaker->Status(0);
        for (int k = 0; k < fields_.RoomCount; ++k) {
            UserLabelGraph& button = speaker(k);
            button.setVisible(true);
            button.Status(voice.GetLong(slotProperty(fields_.SpeakerBase, k)) != 0 ? 1 : 0);
        }
        c.GeneralSpeaker->setVisible(true);
    }
    lock.release();
}

void TOKA::showSendBar()
{
    ObjectLock lock(env_.voice, fields_.VoiceHandle);
    if (!lock)
        return;
    controls_->SendActivity->setBackColor(env_.voice.GetLong(HeaderIndex::Transmitting) != 0 ? Purple : Cyan);
    lock.release();
}

void TOKA::showRoomState(int slot, std::int32_t index)
{
    Controls& c = *controls_;
    VoiceClient& voice = env_.voice;
    ObjectLock lock(voice, fields_.VoiceHandle);
    if (!lock)
        return;
    const std::int32_t state = voice.GetLong(index);
    PictureBox& status = Controls::element(c.RoomStatus, slot, "RoomStatus");
    PictureBox& sending = Controls::element(c.RoomSendActivity, slot, "RoomSendActivity");
    PictureBox& receiving = Controls::element(c.RoomRecvActivity, slot, "RoomRecvActivity");
    if (state == RoomState::Connected) {
        status.setBackColor(Green);
        status.setToolTipText("Connected");
        showActivity(sending, voice.GetLong(slotProperty(fields_.SendActivityBase, slot)));
        showActivity(receiving, voice.GetLong(slotProperty(fields_.RecvActivityBase, slot)));
        showRoomInfo(slot, true);
    } else if (const auto look = unconnectedLook(state)) {
        status.setBackColor(look->colour);
        status.setToolTipText(look->text);
        showIdle(sending);
        showIdle(receiving);
        c.roomTip(slot).setToolTipText("");
    }
    lock.release();
}

void TOKA::showRoomActivity(bool receive, int slot, std::int32_t index)
{
    VoiceClient& voice = env_.voice;
    ObjectLock lock(voice, fields_.VoiceHandle);
    if (!lock)
        return;
    auto& boxes = receive ? controls_->RoomRecvActivity : controls_->RoomSendActivity;
    PictureBox& box = Controls::element(boxes, slot, receive ? "RoomRecvActivity" : "RoomSendActivity");
    if (voice.GetLong(slotProperty(fields_.StateBase, slot)) != RoomState::Connected)
        showIdle(box);
    else
        showActivity(box, voice.GetLong(index));
    if (receive) {
        // The bar sums up every connected room; the scan reads them all.
        bool anyActive = false;
        for (int k = 0; k < fields_.RoomCount; ++k) {
            if (voice.GetLong(slotProperty(fields_.StateBase, k)) == RoomState::Connected
                && voice.GetLong(slotProperty(fields_.RecvActivityBase, k)) == 1)
                anyActive = true;
        }
        controls_->RecvActivity->setBackColor(anyActive ? Purple : Cyan);
    }
    lock.release();
}

void TOKA::showMute(bool receive, int slot, std::int32_t index)
{
    // The radio rows' buttons also show the radio selection: theirs is the
    // radio refresh.
    if (slot < 2) {
        Norvo_MainPilotUserChanged();
        return;
    }
    ObjectLock lock(env_.voice, fields_.VoiceHandle);
    if (!lock)
        return;
    auto& buttons = receive ? controls_->COMReceive : controls_->COMTransmit;
    PictureBox& button = Controls::element(buttons, slot, receive ? "COMReceive" : "COMTransmit");
    button.setBackColor(env_.voice.GetLong(index) != 0 ? DarkGrey : Green);
    lock.release();
}

void TOKA::showPriority(int slot, std::int32_t index)
{
    ObjectLock lock(env_.voice, fields_.VoiceHandle);
    if (!lock)
        return;
    PictureBox& button = Controls::element(controls_->PriorityChannel, slot, "PriorityChannel");
    button.setBackColor(env_.voice.GetLong(index) != 0 ? Green : DarkGrey);
    lock.release();
}

} // namespace norvo
