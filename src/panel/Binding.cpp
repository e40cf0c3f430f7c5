#include "panel/PropertyIndex.h"
#include "panel/TokaControls.h"
#include "panel/VoiceLock.h"
#include "platform/CheckedMath.h"

#include <algorithm>
#include <limits>

namespace norvo {

namespace {

constexpr std::int32_t ShownSlots = 3;
constexpr std::int64_t NoIndex = std::numeric_limits<std::int64_t>::max();

struct Layout {
    TokaFields fields;
    std::int32_t last = 0;
};

// The block bases of a slot count A and a first block index B, each worked
// out exactly and refused when it does not fit 32 bits.
Layout layoutOf(const TokaFields& current, std::int32_t a, std::int32_t b)
{
    const auto block = [&](std::int64_t k) { return narrowChecked(k * a + b); };
    Layout layout{current, 0};
    TokaFields& f = layout.fields;
    f.SlotCount = a;
    f.FirstIndex = b;
    f.NameBase = b;
    f.StateBase = b;
    f.InfoBase = block(1);
    f.SpeakerBase = f.InfoBase;
    f.ReceiveBase = block(2);
    f.TransmitBase = block(3);
    f.RecvActivityBase = block(4);
    f.SendActivityBase = block(5);
    f.PriorityBase = block(6);
    f.RoomCount = a > ShownSlots ? ShownSlots : a;
    layout.last = narrowChecked(std::int64_t{f.PriorityBase} + f.RoomCount - 1);
    return layout;
}

// The lowest index from `from` on in [base, base + count), or NoIndex.
std::int64_t firstInBlock(std::int64_t from, std::int32_t base, std::int32_t count)
{
    const std::int64_t candidate = std::max<std::int64_t>(from, base);
    return candidate < std::int64_t{base} + count ? candidate : NoIndex;
}

} // namespace

void TOKA::Norvo_ObjectCreated(std::int32_t handle)
{
    std::int32_t lockedHandle = handle;
    ObjectLock lock(env_.voice, lockedHandle);
    if (!lock)
        return;
    // Both are read before either is compared.
    const std::string type = env_.voice.ObjectType();
    const std::string name = env_.voice.ObjectName();
    if (type != "VOICE" || name != "TOKA") {
        lock.release();
        return;
    }
    const std::int32_t a = env_.voice.GetLong(HeaderIndex::SlotCount);
    const std::int32_t b = env_.voice.GetLong(HeaderIndex::FirstIndex);
    lock.release();

    // Nothing is kept until the whole layout is known to fit.
    const Layout layout = layoutOf(fields_, a, b);
    fields_ = layout.fields;
    fields_.VoiceHandle = handle;

    // Only the indices whose refresh can act are visited, the layout re-read
    // at each step: the same calls and changes as refreshing every index from
    // 0 to last, at a cost that does not grow with the slot count.
    for (std::int64_t i = nextValueIndex(0); i <= layout.last; i = nextValueIndex(i + 1))
        Norvo_ObjectValueChanged(fields_.VoiceHandle, static_cast<std::int32_t>(i));
    for (std::int64_t i = nextTextIndex(0); i <= layout.last; i = nextTextIndex(i + 1))
        Norvo_ObjectTextChanged(fields_.VoiceHandle, static_cast<std::int32_t>(i));
}

std::int64_t TOKA::nextValueIndex(std::int64_t from) const
{
    // The fixed header properties with a branch of their own.
    constexpr std::int64_t Fixed[] = {
        HeaderIndex::VoiceEnabled, HeaderIndex::SpeakerRouting, HeaderIndex::AllToSpeaker, HeaderIndex::Transmitting};
    std::int64_t next = NoIndex;
    for (const std::int64_t index : Fixed) {
        if (index >= from) {
            next = index;
            break;
        }
    }
    const TokaFields& f = fields_;
    for (const std::int32_t base : {f.SpeakerBase, f.StateBase, f.SendActivityBase, f.RecvActivityBase, f.ReceiveBase,
             f.TransmitBase, f.PriorityBase})
        next = std::min(next, firstInBlock(from, base, f.RoomCount));
    return next;
}

std::int64_t TOKA::nextTextIndex(std::int64_t from) const
{
    return firstInBlock(from, fields_.InfoBase, fields_.RoomCount);
}

void TOKA::Norvo_ObjectDeleted(std::int32_t handle)
{
    if (handle == fields_.VoiceHandle)
        fields_.VoiceHandle = 0;
    if (fields_.VoiceHandle != 0)
        return;
    Controls& c = *controls_;
    for (Frame* room : c.Room)
        room->setVisible(false);
    c.RecvActivity->setVisible(false);
    c.SendActivity->setVisible(false);
    c.GeneralSpeaker->setVisible(false);
    Norvo_MainPilotUserChanged();
}

void TOKA::Norvo_Disconnected()
{
    fields_.VoiceHandle = 0;
    Norvo_MainPilotUserDeleted();
    Norvo_ObjectDeleted(0);
}

void TOKA::Norvo_Connected() { }

void TOKA::Norvo_MainPilotUserCreated() { Norvo_MainPilotUserChanged(); }

void TOKA::Norvo_MainPilotUserDeleted() { Norvo_MainPilotUserChanged(); }

} // namespace norvo
