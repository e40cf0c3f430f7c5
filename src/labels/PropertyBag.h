#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace norvo {

// Raised for a property store that cannot be parsed, or a stored value that
// cannot be converted to the property's type.
class PropertyStoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The container's property store of one control instance: named values kept
// in write order, names matched without regard to case, a value equal to its
// default not kept. Serialises to and parses from the stored form's bytes.
class PropertyBag {
public:
    using Value = std::variant<std::int32_t, std::string, bool>;

    struct Entry {
        std::string name;
        Value value;
        bool operator==(const Entry&) const = default;
    };

    // Keeps the value unless it equals the default (then any stored entry of
    // that name is dropped).
    void WriteProperty(std::string_view name, const Value& value, const Value& defaultValue);
    // The stored value, or the default when the name is missing.
    Value ReadProperty(std::string_view name, const Value& defaultValue) const;

    const std::vector<Entry>& entries() const { return entries_; }
    bool empty() const { return entries_.empty(); }

    std::vector<std::uint8_t> serialize() const;
    // Throws PropertyStoreError for a truncated or malformed store.
    static PropertyBag parse(const std::vector<std::uint8_t>& bytes);

    bool operator==(const PropertyBag&) const = default;

private:
    std::vector<Entry> entries_;
};

// Conversions of a stored value to a property's type; PropertyStoreError when
// it cannot be converted.
std::int32_t toLong(const PropertyBag::Value& value);
std::string toText(const PropertyBag::Value& value);
bool toBoolean(const PropertyBag::Value& value);

} // namespace norvo
