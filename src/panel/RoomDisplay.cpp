#include "panel/RoomDisplay.h"

#include "panel/Accessibility.h"
#include "panel/PanelPalette.h"
#include "panel/PanelText.h"
#include "panel/RadioDisplay.h"
#include "panel/RememberedChannels.h"
#include "platform/TrimSpaces.h"

#include <optional>
#include <string_view>

namespace norvo {

using namespace PanelPalette;

namespace {

using Block = VoiceObject::Block;

struct Look {
    Colour colour;
    std::string_view text;
};

// How RoomStatus shows a room that is not connected; none for a value
// outside the known states.
std::optional<Look> unconnectedLook(const PanelWords& words, std::int32_t state)
{
    switch (state) {
    case RoomState::Offline: return Look{DarkGrey, words.offline};
    case RoomState::Pending: return Look{Teal, words.pending};
    case RoomState::Failed: return Look{Orange, words.failed};
    case RoomState::Kicked: return Look{Red, words.kicked};
    default: return std::nullopt;
    }
}

void showLook(PictureBox& box, const Look& look)
{
    box.setBackColor(look.colour);
    box.setToolTipText(look.text);
    box.setAccessibleDescription(look.text);
}

// A connected room's activity box; an unknown activity leaves it as it is.
void showActivity(const PanelWords& words, PictureBox& box, std::int32_t activity)
{
    if (activity == 1)
        showLook(box, {Orange, words.active});
    else if (activity == 0)
        showLook(box, {Cyan, words.inactive});
}

void showIdle(const PanelWords& words, PictureBox& box)
{
    box.setBackColor(DarkGrey);
    box.setToolTipText("");
    box.setAccessibleDescription(words.notConnected);
}

void showBar(const PanelWords& words, Label& bar, bool active)
{
    bar.setBackColor(active ? Purple : Cyan);
    bar.setAccessibleDescription(active ? words.active : words.inactive);
}

} // namespace

void RoomDisplay::Norvo_ObjectValueChanged(std::int32_t handle, std::int32_t index)
{
    if (handle != voice_.handle())
        return;
    const auto place = voice_.layout().locate(index);
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

void RoomDisplay::Norvo_ObjectTextChanged(std::int32_t handle, std::int32_t index)
{
    if (handle != voice_.handle())
        return;
    const auto slot = voice_.layout().slotIn(Block::Info, index);
    if (!slot)
        return;
    VoiceClient& client = voice_.client();
    voice_.whileObjectLocked([&] {
        if (voice_.value(Block::Room, *slot) != RoomState::Connected) {
            c_.roomTip(*slot).setToolTipText("");
            return;
        }
        const std::string info = client.GetString(voice_.index(Block::Info, *slot));
        if (Slots::isRadio(*slot)) {
            showRoom(*slot, client.GetString(voice_.index(Block::Room, *slot)), info);
            return;
        }
        // The free channel's name is the one it joined, which its texts show.
        const auto& shown = shown_.at(static_cast<std::size_t>(*slot));
        showRoom(*slot, shown ? shown->name : std::string(), info);
    });
}

void RoomDisplay::hideRooms()
{
    for (Frame* room : c_.Room)
        room->setVisible(false);
    c_.RecvActivity->setVisible(false);
    c_.SendActivity->setVisible(false);
    c_.GeneralSpeaker->setVisible(false);
}

void RoomDisplay::showVoiceEnabled()
{
    bool enabled = false;
    // Unlocked before repainting: the speaker refresh below locks anew.
    if (!voice_.whileObjectLocked([&] { enabled = voice_.flag(HeaderIndex::VoiceEnabled); }))
        return;
    if (!enabled) {
        hideRooms();
        return;
    }
    c_.RecvActivity->setVisible(true);
    c_.SendActivity->setVisible(true);
    for (std::int32_t k = 0; k < voice_.layout().roomCount(); ++k)
        PanelControls::element(c_.Room, k, "Room").setVisible(true);
    Norvo_ObjectValueChanged(voice_.handle(), HeaderIndex::SpeakerRouting);
}

void RoomDisplay::showSpeakers()
{
    const auto speaker
        = [&](std::int32_t k) -> UserLabelGraph& { return PanelControls::element(c_.ToSpeaker, k, "ToSpeaker"); };
    const std::int32_t rooms = voice_.layout().roomCount();
    voice_.whileObjectLocked([&] {
        // 3 is read only when 2 is set, 4 only when 3 is set.
        if (!voice_.flag(HeaderIndex::VoiceEnabled) || !voice_.flag(HeaderIndex::SpeakerRouting)) {
            for (std::int32_t k = 0; k < rooms; ++k)
                speaker(k).setVisible(false);
            c_.GeneralSpeaker->setVisible(false);
        } else if (voice_.flag(HeaderIndex::AllToSpeaker)) {
            c_.GeneralSpeaker->Status(1);
            Accessibility::showToggle(*c_.GeneralSpeaker, true, words_);
            for (std::int32_t k = 0; k < rooms; ++k)
                speaker(k).setVisible(false);
            c_.GeneralSpeaker->setVisible(true);
        } else {
            c_.GeneralSpeaker->Status(0);
            Accessibility::showToggle(*c_.GeneralSpeaker, false, words_);
            for (std::int32_t k = 0; k < rooms; ++k) {
                UserLabelGraph& button = speaker(k);
                button.setVisible(true);
                const bool routed = voice_.value(Block::Info, k) != 0;
                button.Status(routed ? 1 : 0);
                Accessibility::showToggle(button, routed, words_);
            }
            c_.GeneralSpeaker->setVisible(true);
        }
    });
}

void RoomDisplay::showSendBar()
{
    voice_.whileObjectLocked([&] { showBar(words_, *c_.SendActivity, voice_.flag(HeaderIndex::Transmitting)); });
}

void RoomDisplay::showRoomState(std::int32_t slot, std::int32_t index)
{
    voice_.whileObjectLocked([&] {
        const std::int32_t state = voice_.value(index);
        PictureBox& status = PanelControls::element(c_.RoomStatus, slot, "RoomStatus");
        PictureBox& sending = PanelControls::element(c_.RoomSendActivity, slot, "RoomSendActivity");
        PictureBox& receiving = PanelControls::element(c_.RoomRecvActivity, slot, "RoomRecvActivity");
        if (state == RoomState::Connected) {
            // Its words come with its name and information.
            status.setBackColor(Green);
            status.setToolTipText(words_.connected);
            showActivity(words_, sending, voice_.value(Block::SendActivity, slot));
            showActivity(words_, receiving, voice_.value(Block::ReceiveActivity, slot));
            showJoinedRoom(slot);
        } else if (const auto look = unconnectedLook(words_, state)) {
            showLook(status, *look);
            showIdle(words_, sending);
            showIdle(words_, receiving);
            c_.roomTip(slot).setToolTipText("");
        }
    });
}

void RoomDisplay::showRoomActivity(bool receive, std::int32_t slot, std::int32_t index)
{
    const auto connected = [&](std::int32_t k) { return voice_.value(Block::Room, k) == RoomState::Connected; };
    voice_.whileObjectLocked([&] {
        const auto& boxes = receive ? c_.RoomRecvActivity : c_.RoomSendActivity;
        PictureBox& box = PanelControls::element(boxes, slot, receive ? "RoomRecvActivity" : "RoomSendActivity");
        if (!connected(slot))
            showIdle(words_, box);
        else
            showActivity(words_, box, voice_.value(index));
        if (!receive)
            return;
        // The bar sums up every connected room; the scan reads them all.
        bool anyActive = false;
        for (std::int32_t k = 0; k < voice_.layout().roomCount(); ++k) {
            if (connected(k) && voice_.value(Block::ReceiveActivity, k) == 1)
                anyActive = true;
        }
        showBar(words_, *c_.RecvActivity, anyActive);
    });
}

void RoomDisplay::showMute(bool receive, std::int32_t slot, std::int32_t index)
{
    // The radios' buttons also show the radio selection: theirs is the radio
    // refresh.
    if (Slots::isRadio(slot)) {
        radios_.Norvo_MainPilotUserChanged();
        return;
    }
    voice_.whileObjectLocked([&] {
        const auto& buttons = receive ? c_.COMReceive : c_.COMTransmit;
        PictureBox& button = PanelControls::element(buttons, slot, receive ? "COMReceive" : "COMTransmit");
        const bool muted = voice_.flag(index);
        button.setBackColor(muted ? DarkGrey : Green);
        Accessibility::showToggle(button, !muted, words_, muted ? words_.muted : words_.on);
    });
}

void RoomDisplay::showPriority(std::int32_t slot, std::int32_t index)
{
    voice_.whileObjectLocked([&] {
        PictureBox& button = PanelControls::element(c_.PriorityChannel, slot, "PriorityChannel");
        const bool priority = voice_.flag(index);
        button.setBackColor(priority ? Green : DarkGrey);
        Accessibility::showToggle(button, priority, words_);
    });
}

void RoomDisplay::showRoom(std::int32_t slot, const std::string& name, const std::string& info)
{
    Control& tip = c_.roomTip(slot);
    PictureBox& status = PanelControls::element(c_.RoomStatus, slot, "RoomStatus");
    std::optional<ShownRoom>& shown = shown_.at(static_cast<std::size_t>(slot));
    if (!shown || shown->name != name || shown->info != info) {
        const RoomText tipText = Slots::isRadio(slot) ? RoomText::radioTip(name, info) : RoomText::freeChannelTip(info);
        shown = ShownRoom{name, info, tipText.text(), RoomText::connectedWords(words_, name, info).text()};
    }
    // The controls change only where they show something else.
    tip.setToolTipText(shown->tip);
    status.setAccessibleDescription(shown->words);
}

void RoomDisplay::showJoinedRoom(std::int32_t slot)
{
    VoiceClient& client = voice_.client();
    const std::string info = client.GetString(voice_.index(Block::Info, slot));
    const std::string name = client.GetString(voice_.index(Block::Room, slot));
    showRoom(slot, name, info);
    if (Slots::isRadio(slot))
        return;
    ComboBox& box = PanelControls::element(c_.FreqInfo, slot, "FreqInfo");
    box.setText(name);
    // A view of the box's text, which a change of the list leaves alone.
    const std::string_view room = trimSpaces(box.text());
    if (room.empty())
        return;
    // The first room ever joined only joins the list; any later one also
    // leaves the box without its spaces.
    const bool first = channels_.rooms().empty();
    if (channels_.remember(room))
        box.shareItems(channels_.list());
    if (!first && room.size() != box.text().size())
        box.setText(std::string(room));
    channels_.save();
}

} // namespace norvo
