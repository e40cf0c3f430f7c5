#include "panel/Binding.h"

#include "panel/RadioDisplay.h"
#include "panel/RoomDisplay.h"
#include "voice/Slots.h"

#include <string>

namespace norvo {

void Binding::Norvo_ObjectCreated(std::int32_t handle)
{
    VoiceClient& client = voice_.client();
    std::int32_t lockedHandle = handle;
    bool isPanelObject = false;
    std::int32_t slotCount = 0;
    std::int32_t firstIndex = 0;
    voice_.whileObjectLocked(lockedHandle, [&] {
        // Both are read before either is compared.
        const std::string type = client.ObjectType();
        const std::string name = client.ObjectName();
        if (type != "VOICE" || name != "TOKA")
            return;
        isPanelObject = true;
        slotCount = voice_.value(HeaderIndex::SlotCount);
        firstIndex = voice_.value(HeaderIndex::FirstIndex);
    });
    if (!isPanelObject)
        return;

    // Nothing is kept until the whole layout is known to fit.
    const VoiceObjectLayout layout(slotCount, firstIndex, Slots::Shown);
    voice_.bind(handle, layout);

    // Only the indices whose refresh can act are visited, the layout re-read
    // at each step: the same calls and changes as refreshing every index from
    // 0 to last, at a cost that does not grow with the slot count.
    using Block = VoiceObject::Block;
    const VoiceObjectLayout& bound = voice_.layout();
    for (std::int64_t i = bound.nextPlaced(0); i <= layout.last(); i = bound.nextPlaced(i + 1))
        rooms_.Norvo_ObjectValueChanged(voice_.handle(), static_cast<std::int32_t>(i));
    for (std::int64_t i = bound.nextInBlock(Block::Info, 0); i <= layout.last();
         i = bound.nextInBlock(Block::Info, i + 1))
        rooms_.Norvo_ObjectTextChanged(voice_.handle(), static_cast<std::int32_t>(i));
}

void Binding::Norvo_ObjectDeleted(std::int32_t handle)
{
    if (handle == voice_.handle())
        voice_.unbind();
    if (voice_.handle() != 0)
        return;
    rooms_.hideRooms();
    radios_.Norvo_MainPilotUserChanged();
}

void Binding::Norvo_Disconnected()
{
    voice_.unbind();
    radios_.Norvo_MainPilotUserChanged();
    Norvo_ObjectDeleted(0);
}

} // namespace norvo
