#include "sim/SimulatedObject.h"

#include "voice/VoiceClient.h"

namespace norvo {

SimulatedObject::SimulatedObject(std::int32_t handle, std::string type, std::string name, std::int32_t propertyCount)
    : handle_(handle)
    , type_(std::move(type))
    , name_(std::move(name))
    , values_(static_cast<std::size_t>(propertyCount))
    , texts_(static_cast<std::size_t>(propertyCount))
{
}

void SimulatedObject::checkIndex(std::int32_t index, const std::string& call) const
{
    if (!has(index))
        throw VoiceClientError(call + ": the object has no property " + std::to_string(index));
}

bool SimulatedObject::setValue(std::int32_t index, std::int32_t value)
{
    auto& stored = values_[static_cast<std::size_t>(index)];
    if (stored == value)
        return false;
    stored = value;
    return true;
}

bool SimulatedObject::setText(std::int32_t index, const std::string& text)
{
    auto& stored = texts_[static_cast<std::size_t>(index)];
    if (stored == text)
        return false;
    stored = text;
    return true;
}

} // namespace norvo
