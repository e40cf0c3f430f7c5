#pragma once

#include "sim/EventQueue.h"
#include "sim/SimulatedObject.h"
#include "voice/VoiceObjectLayout.h"

#include <cstdint>
#include <string>
#include <vector>

namespace norvo {

// The objects of the simulated network: while it is up, an unrelated voice
// object, which a panel must leave alone, and the voice object "TOKA" of
// type "VOICE" laid out as given. Every object gets a handle never used
// before. Storing a value or a text that changes queues its change event;
// the network's coming and going and the voice object's queue theirs.
class NetworkObjects {
public:
    NetworkObjects(const VoiceObjectLayout& layout, EventQueue& events);

    const VoiceObjectLayout& layout() const { return layout_; }
    bool networkUp() const { return networkUp_; }
    // 0 when there is no voice object.
    std::int32_t voiceHandle() const { return voiceHandle_; }
    // Properties 0 to propertyCount() - 1 of the voice object.
    std::int32_t propertyCount() const { return propertyCount_; }
    SimulatedObject* find(std::int32_t handle);
    SimulatedObject* voiceObject() { return voiceHandle_ == 0 ? nullptr : find(voiceHandle_); }
    const SimulatedObject* voiceObject() const;

    // The voice object's values; 0 and "" when there is none or the index
    // lies outside it.
    std::int32_t value(std::int32_t index) const;
    std::string text(std::int32_t index) const;
    // Into the voice object, if there is one, or into any object.
    void store(std::int32_t index, std::int32_t value);
    void storeText(std::int32_t index, const std::string& text);
    void storeIn(SimulatedObject& object, std::int32_t index, std::int32_t value);
    void storeTextIn(SimulatedObject& object, std::int32_t index, const std::string& text);

    // What a refresh announces while the network is up: the connection and
    // every object.
    void announce();
    // Each returns whether anything changed. A new voice object starts with
    // its Transmitting flag as given.
    bool disconnect();
    bool connect(bool transmitting);
    bool deleteVoiceObject();
    bool createVoiceObject(bool transmitting);

private:
    std::int32_t newHandle();
    SimulatedObject makeUnrelatedObject();

    const VoiceObjectLayout& layout_;
    EventQueue& events_;
    const std::int32_t propertyCount_;
    bool networkUp_ = true;
    std::vector<SimulatedObject> objects_;
    std::int32_t voiceHandle_ = 0;
    std::int32_t nextHandle_ = 1;
};

} // namespace norvo
