#include "panel/PanelPalette.h"
#include "panel/PanelText.h"
#include "panel/StateWords.h"
#include "panel/TokaControls.h"
#include "panel/VoiceLock.h"

#include <optional>
#include <string_view>

namespace norvo {

using namespace PanelPalette;

namespace {

using Block = VoiceObjectLayout::Block;

struct Look {
    Colour colour;
    std::string_view text;
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
// Each look is set from its own literal: comparing it with what the box shows
// then takes no call.
void showActivity(PictureBox& box, std::int32_t activity)
{
    if (activity == 1) {
        box.setBackColor(Orange);
        box.setToolTipText(StateWords::Active);
        box.setAccessibleDescription(StateWords::Active);
    } else if (activity == 0) {
        box.setBackColor(Cyan);
        box.setToolTipText(StateWords::Inactive);
        box.setAccessibleDescription(StateWords::Inactive);
    }
}

void showIdle(PictureBox& box)
{
    box.setBackColor(DarkGrey);
    box.setToolTipText("");
    box.setAccessibleDescription(StateWords::NotConnected);
}

void showBar(Label& bar, bool active)
{
    bar.setBackColor(active ? Purple : Cyan);
    bar.setAccessibleDescription(active ? StateWords::Active : StateWords::Inactive);
}

// A connected room's words come with its name and information.
void showRoomLook(PictureBox& status, const Look& look, bool withWords = true)
{
    status.setBackColor(look.colour);
    status.setToolTipText(look.text);
    if (withWords)
        status.setAccessibleDescription(look.text);
}

} // namespace

void TOKA::refreshValue(std::int32_t index)
{
    const auto place = layout_.locate(index);
    if (!place)
        return;
    const std::int32_t slot = place->slot;
    using Value = VoiceObjectLayout::Value;
    switch (place->value) {
    case Value::VoiceEnabled: showVoiceEnabled(); break;
    case Value::Speaker: showSpeakers(); break;
    case Value::Transmitting: showSendBar(); break;
    case Value::RoomState: showRoomState(slot, index); break;
    case Value::SendActivity: showRoomActivity(false, slot, index); break;
    case Value::ReceiveActivity: showRoomActivity(true, slot, index); break;
    case Value::ReceiveMute: showMute(true, slot, index); break;
    case Value::TransmitMute: showMute(false, slot, index); break;
    case Value::Priority: showPriority(slot, index); break;
    }
}

void TOKA::refreshText(std::int32_t index)
{
    const auto slot = layout_.slotIn(Block::Info, index);
    if (!slot)
        return;
    VoiceClient& voice = env_.voice;
    withObjectLock(voice, voiceHandle_, [&] {
        if (voice.GetLong(layout_.index(Block::Room, *slot)) == RoomState::Connected)
            showRoomInfo(*slot);
        else
            controls_->roomTip(*slot).setToolTipText("");
    });
}

void TOKA::showVoiceEnabled()
{
    Controls& c = *controls_;
    std::int32_t enabled = 0;
    // Unlocked before repainting: the speaker refresh below locks anew.
    if (!withObjectLock(env_.voice, voiceHandle_, [&] { enabled = env_.voice.GetLong(HeaderIndex::VoiceEnabled); }))
        return;
    if (enabled != 0) {
        c.RecvActivity->setVisible(true);
        c.SendActivity->setVisible(true);
        for (std::int32_t k = 0; k < layout_.roomCount(); ++k)
            Controls::element(c.Room, k, "Room").setVisible(true);
        refreshValue(HeaderIndex::SpeakerRouting);
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
    const auto speaker
        = [&](std::int32_t k) -> UserLabelGraph& { return Controls::element(c.ToSpeaker, k, "ToSpeaker"); };
    const std::int32_t rooms = layout_.roomCount();
    withObjectLock(voice, voiceHandle_, [&] {
        // 3 is read only when 2 is set, 4 only when 3 is set.
        if (voice.GetLong(HeaderIndex::VoiceEnabled) == 0 || voice.GetLong(HeaderIndex::SpeakerRouting) == 0) {
            for (std::int32_t k = 0; k < rooms; ++k)
                speaker(k).setVisible(false);
            c.GeneralSpeaker->setVisible(false);
        } else if (voice.GetLong(HeaderIndex::AllToSpeaker) != 0) {
            c.GeneralSpeaker->Status(1);
            Controls::showToggle(*c.GeneralSpeaker, true);
            for (std::int32_t k = 0; k < rooms; ++k)
                speaker(k).setVisible(false);
            c.GeneralSpeaker->setVisible(true);
        } else {
            c.GeneralSpeaker->Status(0);
            Controls::showToggle(*c.GeneralSpeaker, false);
            for (std::int32_t k = 0; k < rooms; ++k) {
                UserLabelGraph& button = speaker(k);
                button.setVisible(true);
                const bool routed = voice.GetLong(layout_.index(Block::Info, k)) != 0;
                button.Status(routed ? 1 : 0);
                Controls::showToggle(button, routed);
            }
            c.GeneralSpeaker->setVisible(true);
        }
    });
}

void TOKA::showSendBar()
{
    withObjectLock(env_.voice, voiceHandle_,
        [&] { showBar(*controls_->SendActivity, env_.voice.GetLong(HeaderIndex::Transmitting) != 0); });
}

void TOKA::showRoomState(std::int32_t slot, std::int32_t index)
{
    Controls& c = *controls_;
    VoiceClient& voice = env_.voice;
    withObjectLock(voice, voiceHandle_, [&] {
        const std::int32_t state = voice.GetLong(index);
        PictureBox& status = Controls::element(c.RoomStatus, slot, "RoomStatus");
        PictureBox& sending = Controls::element(c.RoomSendActivity, slot, "RoomSendActivity");
        PictureBox& receiving = Controls::element(c.RoomRecvActivity, slot, "RoomRecvActivity");
        if (state == RoomState::Connected) {
            showRoomLook(status, Look{Green, StateWords::Connected}, false);
            showActivity(sending, voice.GetLong(layout_.index(Block::SendActivity, slot)));
            showActivity(receiving, voice.GetLong(layout_.index(Block::ReceiveActivity, slot)));
            showJoinedRoom(slot);
        } else if (const auto look = unconnectedLook(state)) {
            showRoomLook(status, *look);
            showIdle(sending);
            showIdle(receiving);
            c.roomTip(slot).setToolTipText("");
        }
    });
}

void TOKA::showRoomActivity(bool receive, std::int32_t slot, std::int32_t index)
{
    VoiceClient& voice = env_.voice;
    const auto connected
        = [&](std::int32_t k) { return voice.GetLong(layout_.index(Block::Room, k)) == RoomState::Connected; };
    withObjectLock(voice, voiceHandle_, [&] {
        auto& boxes = receive ? controls_->RoomRecvActivity : controls_->RoomSendActivity;
        PictureBox& box = Controls::element(boxes, slot, receive ? "RoomRecvActivity" : "RoomSendActivity");
        if (!connected(slot))
            showIdle(box);
        else
            showActivity(box, voice.GetLong(index));
        if (!receive)
            return;
        // The bar sums up every connected room; the scan reads them all.
        bool anyActive = false;
        for (std::int32_t k = 0; k < layout_.roomCount(); ++k) {
            if (connected(k) && voice.GetLong(layout_.index(Block::ReceiveActivity, k)) == 1)
                anyActive = true;
        }
        showBar(*controls_->RecvActivity, anyActive);
    });
}

void TOKA::showMute(bool receive, std::int32_t slot, std::int32_t index)
{
    // The radio rows' buttons also show the radio selection: theirs is the
    // radio refresh.
    if (slot < 2) {
        refreshRadios();
        return;
    }
    withObjectLock(env_.voice, voiceHandle_, [&] {
        auto& buttons = receive ? controls_->COMReceive : controls_->COMTransmit;
        PictureBox& button = Controls::element(buttons, slot, receive ? "COMReceive" : "COMTransmit");
        const bool muted = env_.voice.GetLong(index) != 0;
        button.setBackColor(muted ? DarkGrey : Green);
        Controls::showToggle(button, !muted, muted ? StateWords::Muted : StateWords::On);
    });
}

void TOKA::showPriority(std::int32_t slot, std::int32_t index)
{
    withObjectLock(env_.voice, voiceHandle_, [&] {
        PictureBox& button = Controls::element(controls_->PriorityChannel, slot, "PriorityChannel");
        const bool priority = env_.voice.GetLong(index) != 0;
        button.setBackColor(priority ? Green : DarkGrey);
        Controls::showToggle(button, priority);
    });
}

void TOKA::showRoomInfo(std::int32_t slot)
{
    VoiceClient& voice = env_.voice;
    const std::string info = voice.GetString(layout_.index(Block::Info, slot));
    PictureBox& status = Controls::element(controls_->RoomStatus, slot, "RoomStatus");
    ShownTooltip& shown = shownTips_[static_cast<std::size_t>(slot)];
    if (slot < 2) {
        const std::string name = voice.GetString(layout_.index(Block::Room, slot));
        Control& tip = controls_->roomTip(slot);
        shown.showRoom(tip, status, name, info);
        return;
    }
    // The free channel's name is read when it is joined (a rebuild copies it
    // before it keeps the new one).
    ComboBox& box = Controls::element(controls_->FreqInfo, slot, "FreqInfo");
    shown.showInformation(box, status, shown.name(), info);
}

void TOKA::showJoinedRoom(std::int32_t slot)
{
    if (slot < 2) {
        showRoomInfo(slot);
        return;
    }
    VoiceClient& voice = env_.voice;
    const std::string info = voice.GetString(layout_.index(Block::Info, slot));
    ComboBox& box = Controls::element(controls_->FreqInfo, slot, "FreqInfo");
    const std::string name = voice.GetString(layout_.index(Block::Room, slot));
    PictureBox& status = Controls::element(controls_->RoomStatus, slot, "RoomStatus");
    shownTips_[static_cast<std::size_t>(slot)].showInformation(box, status, name, info);
    box.setText(name);
    rememberChannel(box);
}

} // namespace norvo
