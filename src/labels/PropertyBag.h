#pragma once

#include <cstdint>
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
// in write order, names matched without regard to ASCII case and kept in
// lower case, a value equal to its default not kept. Text is UTF-8.
//
// Byte format: the entries one after another, nothing before or between
// them; an empty store is no bytes. Each entry, all numbers little-endian:
//   u16  type code: 3 = 32-bit integer, 8 = text, 11 = Boolean
//   u16  name length in UTF-16 code units (at least 1)
//   u32  name hash: 32-bit FNV-1a over the name's UTF-16LE bytes
//   u32  entry size: bytes from the type code through the padding, so the
//        next entry starts that many bytes after this one (a multiple of 4)
//   the name, lower case, UTF-16LE
//   the value: i32 for an integer; i16 0 or -1 for a Boolean; for text a u32
//        count of UTF-16 code units, then the UTF-16LE units
//   zero bytes up to the next multiple of four
// parse() accepts exactly what serialize() can produce: every field, the
// hash, the size, the padding and the UTF-16 are checked, and a name stored
// twice is refused.
class PropertyBag {
public:
    using Value = std::variant<std::int32_t, std::string, bool>;

    struct Entry {
        std::string name;
        Value value;
        bool operator==(const Entry&) const = default;
    };

    // Keeps the value unless it equals the default (then any stored entry of
    // that name is dropped); a name already stored keeps its place.
    void WriteProperty(std::string_view name, const Value& value, const Value& defaultValue);
    // The stored value, or the default when the name is missing.
    Value ReadProperty(std::string_view name, const Value& defaultValue) const;

    const std::vector<Entry>& entries() const { return entries_; }
    bool empty() const { return entries_.empty(); }

    // PropertyStoreError for text that is not UTF-8 or does not fit the format.
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
