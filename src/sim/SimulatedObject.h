#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace norvo {

// One object of the simulated client: its handle, type and name, and a
// numeric and a text value for each of its properties, 0 and "" at first.
class SimulatedObject {
public:
    SimulatedObject(std::int32_t handle, std::string type, std::string name, std::int32_t propertyCount);

    std::int32_t handle() const { return handle_; }
    const std::string& type() const { return type_; }
    const std::string& name() const { return name_; }

    bool has(std::int32_t index) const { return index >= 0 && static_cast<std::size_t>(index) < values_.size(); }
    // Throws VoiceClientError, naming the call, for a property it lacks.
    void checkIndex(std::int32_t index, const std::string& call) const;

    // For an index it has.
    std::int32_t value(std::int32_t index) const { return values_[static_cast<std::size_t>(index)]; }
    const std::string& text(std::int32_t index) const { return texts_[static_cast<std::size_t>(index)]; }
    // False when the property already holds it.
    bool setValue(std::int32_t index, std::int32_t value);
    bool setText(std::int32_t index, const std::string& text);

private:
    std::int32_t handle_;
    std::string type_;
    std::string name_;
    std::vector<std::int32_t> values_;
    std::vector<std::string> texts_;
};

} // namespace norvo
