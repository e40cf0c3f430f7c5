#include "panel/TokaControls.h"
#include "panel/VoiceLock.h"

namespace norvo {

void TOKA::bindVoiceObject(std::int32_t handle)
{
    VoiceClient& voice = env_.voice;
    std::int32_t lockedHandle = handle;
    bool isPanelObject = false;
    std::int32_t slotCount = 0;
    std::int32_t firstIndex = 0;
    withObjectLock(voice, lockedHandle, [&] {
        // Both are read before either is compared.
        const std::string type = voice.ObjectType();
        const std::string name = voice.ObjectName();
        if (type != "VOICE" || name != "TOKA")
            return;
        isPanelObject = true;
        slotCount = voice.GetLong(HeaderIndex::SlotCount);
        firstIndex = voice.GetLong(HeaderIndex::FirstIndex);
    });
    if (!isPanelObject)
        return;

    // Nothing is kept until the whole layout is known to fit.
    const VoiceObjectLayout layout(slotCount, firstIndex, ShownSlots);
    layout_ = layout;
    voiceHandle_ = handle;

    // Only the indices whose refresh can act are visited, the layout re-read
    // at each step: the same calls and changes as refreshing every index from
    // 0 to last, at a cost that does not grow with the slot count.
    using Block = VoiceObjectLayout::Block;
    for (std::int64_t i = layout_.nextPlaced(0); i <= layout.last(); i = layout_.nextPlaced(i + 1))
        refreshValue(static_cast<std::int32_t>(i));
    for (std::int64_t i = layout_.nextInBlock(Block::Info, 0); i <= layout.last();
         i = layout_.nextInBlock(Block::Info, i + 1))
        refreshText(static_cast<std::int32_t>(i));
}

void TOKA::forgetVoiceObject(std::int32_t handle)
{
    if (handle == voiceHandle_)
        voiceHandle_ = 0;
    if (voiceHandle_ != 0)
        return;
    Controls& c = *controls_;
    for (Frame* room : c.Room)
        room->setVisible(false);
    c.RecvActivity->setVisible(false);
    c.SendActivity->setVisible(false);
    c.GeneralSpeaker->setVisible(false);
    refreshRadios();
}

void TOKA::showDisconnected()
{
    voiceHandle_ = 0;
    refreshRadios();
    forgetVoiceObject(0);
}

} // namespace norvo
