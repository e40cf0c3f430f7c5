#include "sim/NetworkObjects.h"

#include "platform/CheckedMath.h"

#include <stdexcept>

namespace norvo {

using Kind = VoiceEvent::Kind;

namespace {

// Large enough for any layout worth simulating, small enough to allocate.
constexpr std::int32_t MaxProperties = 1 << 16;

} // namespace

NetworkObjects::NetworkObjects(const VoiceObjectLayout& layout, EventQueue& events)
    : layout_(layout)
    , events_(events)
    , propertyCount_(checkedAdd(layout.last(), 1))
{
    if (propertyCount_ > MaxProperties)
        throw std::invalid_argument("a voice object of " + std::to_string(propertyCount_) + " properties");
    objects_.push_back(makeUnrelatedObject());
    createVoiceObject(false);
}

std::int32_t NetworkObjects::newHandle()
{
    const std::int32_t handle = nextHandle_;
    nextHandle_ = checkedAdd(nextHandle_, 1);
    return handle;
}

SimulatedObject NetworkObjects::makeUnrelatedObject()
{
    SimulatedObject object(newHandle(), "VOICE", "INTERCOM", HeaderIndex::Size);
    object.setValue(HeaderIndex::FirstIndex, HeaderIndex::Size);
    return object;
}

SimulatedObject* NetworkObjects::find(std::int32_t handle)
{
    for (SimulatedObject& object : objects_)
        if (object.handle() == handle)
            return &object;
    return nullptr;
}

const SimulatedObject* NetworkObjects::voiceObject() const { return const_cast<NetworkObjects*>(this)->voiceObject(); }

std::int32_t NetworkObjects::value(std::int32_t index) const
{
    const SimulatedObject* object = voiceObject();
    return object && object->has(index) ? object->value(index) : 0;
}

std::string NetworkObjects::text(std::int32_t index) const
{
    const SimulatedObject* object = voiceObject();
    return object && object->has(index) ? object->text(index) : std::string{};
}

void NetworkObjects::storeIn(SimulatedObject& object, std::int32_t index, std::int32_t value)
{
    if (object.setValue(index, value))
        events_.push({Kind::ObjectValueChanged, object.handle(), index});
}

void NetworkObjects::storeTextIn(SimulatedObject& object, std::int32_t index, const std::string& text)
{
    if (object.setText(index, text))
        events_.push({Kind::ObjectTextChanged, object.handle(), index});
}

void NetworkObjects::store(std::int32_t index, std::int32_t value)
{
    if (SimulatedObject* object = voiceObject())
        storeIn(*object, index, value);
}

void NetworkObjects::storeText(std::int32_t index, const std::string& text)
{
    if (SimulatedObject* object = voiceObject())
        storeTextIn(*object, index, text);
}

void NetworkObjects::announce()
{
    if (!networkUp_)
        return;
    events_.push({Kind::Connected});
    for (const SimulatedObject& object : objects_)
        events_.push({Kind::ObjectCreated, object.handle()});
}

bool NetworkObjects::disconnect()
{
    if (!networkUp_)
        return false;
    networkUp_ = false;
    objects_.clear();
    voiceHandle_ = 0;
    events_.push({Kind::Disconnected});
    return true;
}

bool NetworkObjects::connect(bool transmitting)
{
    if (networkUp_)
        return false;
    networkUp_ = true;
    events_.push({Kind::Connected});
    objects_.push_back(makeUnrelatedObject());
    events_.push({Kind::ObjectCreated, objects_.back().handle()});
    createVoiceObject(transmitting);
    return true;
}

bool NetworkObjects::deleteVoiceObject()
{
    if (voiceHandle_ == 0)
        return false;
    const std::int32_t handle = voiceHandle_;
    std::erase_if(objects_, [&](const SimulatedObject& object) { return object.handle() == handle; });
    voiceHandle_ = 0;
    events_.push({Kind::ObjectDeleted, handle});
    return true;
}

bool NetworkObjects::createVoiceObject(bool transmitting)
{
    if (!networkUp_ || voiceHandle_ != 0)
        return false;
    SimulatedObject object(newHandle(), "VOICE", "TOKA", propertyCount_);
    object.setValue(HeaderIndex::SlotCount, layout_.slotCount());
    object.setValue(HeaderIndex::FirstIndex, layout_.base(VoiceObjectLayout::Block::Room));
    object.setValue(HeaderIndex::VoiceEnabled, 1);
    object.setValue(HeaderIndex::SpeakerRouting, 1);
    object.setValue(HeaderIndex::Transmitting, transmitting ? 1 : 0);
    voiceHandle_ = object.handle();
    objects_.push_back(std::move(object));
    events_.push({Kind::ObjectCreated, voiceHandle_});
    return true;
}

} // namespace norvo
