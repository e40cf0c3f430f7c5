#include "labels/PropertyBag.h"

#include "platform/CheckedMath.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace norvo {

namespace {

constexpr std::uint16_t TypeLong = 3;
constexpr std::uint16_t TypeText = 8;
constexpr std::uint16_t TypeBoolean = 11;
constexpr std::size_t HeaderSize = 12;

std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

bool sameName(std::string_view a, std::string_view b) { return lowerAscii(a) == lowerAscii(b); }

std::size_t padded(std::size_t size) { return (size + 3) / 4 * 4; }

// UTF-8 to UTF-16 code units; malformed UTF-8 (overlong forms, surrogates,
// values past U+10FFFF, cut sequences) is refused.
std::u16string toUtf16(std::string_view text)
{
    std::u16string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            length = 1;
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            cp = lead & 0x1Fu;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            cp = lead & 0x0Fu;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            cp = lead & 0x07u;
            minimum = 0x10000;
        } else {
            throw PropertyStoreError("text is not valid UTF-8 (bad lead byte at " + std::to_string(i) + ")");
        }
        if (length > text.size() - i)
            throw PropertyStoreError("text is not valid UTF-8 (cut sequence at " + std::to_string(i) + ")");
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                throw PropertyStoreError("text is not valid UTF-8 (bad continuation at " + std::to_string(i + k) + ")");
            cp = (cp << 6) | (next & 0x3Fu);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            throw PropertyStoreError("text is not valid UTF-8 (bad code point at " + std::to_string(i) + ")");
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
        i += length;
    }
    return out;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::uint32_t nameHash(const std::u16string& lowerName)
{
    std::uint32_t hash = 2166136261u;
    for (char16_t unit : lowerName) {
        for (const auto byte : {static_cast<std::uint32_t>(unit & 0xFF), static_cast<std::uint32_t>(unit >> 8)}) {
            hash ^= byte;
            hash *= 16777619u;
        }
    }
    return hash;
}

class Writer {
public:
    void u16(std::uint16_t v)
    {
        bytes.push_back(static_cast<std::uint8_t>(v & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v)
    {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFF));
    }
    void text(const std::u16string& units)
    {
        for (char16_t unit : units)
            u16(unit);
    }
    void pad()
    {
        while (bytes.size() % 4 != 0)
            bytes.push_back(0);
    }
    std::vector<std::uint8_t> bytes;
};

class Reader {
public:
    Reader(const std::vector<std::uint8_t>& bytes, std::size_t begin, std::size_t end)
        : bytes_(bytes)
        , pos_(begin)
        , end_(end)
    {
    }
    std::size_t position() const { return pos_; }
    std::size_t left() const { return end_ - pos_; }
    void need(std::size_t count, const char* what) const
    {
        if (count > left())
            throw PropertyStoreError(std::string("property store truncated: ") + what + " at byte "
                + std::to_string(pos_) + " needs " + std::to_string(count) + " bytes, " + std::to_string(left())
                + " left");
    }
    std::uint16_t u16(const char* what)
    {
        need(2, what);
        const auto v = static_cast<std::uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
        pos_ += 2;
        return v;
    }
    std::uint32_t u32(const char* what)
    {
        need(4, what);
        std::uint32_t v = 0;
        for (int k = 3; k >= 0; --k)
            v = (v << 8) | bytes_[pos_ + static_cast<std::size_t>(k)];
        pos_ += 4;
        return v;
    }
    std::u16string units(std::size_t count, const char* what)
    {
        if (count > left() / 2)
            need(count * 2, what);
        std::u16string out;
        out.reserve(count);
        for (std::size_t k = 0; k < count; ++k)
            out += static_cast<char16_t>(u16(what));
        return out;
    }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t pos_;
    std::size_t end_;
};

std::string unitsToUtf8(const std::u16string& units, const char* what)
{
    std::string out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t cp = units[i];
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (i + 1 >= units.size() || units[i + 1] < 0xDC00 || units[i + 1] > 0xDFFF)
                throw PropertyStoreError(std::string("invalid UTF-16 in ") + what + ": unpaired high surrogate");
            cp = 0x10000 + ((cp - 0xD800) << 10) + (units[i + 1] - 0xDC00u);
            ++i;
        } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
            throw PropertyStoreError(std::string("invalid UTF-16 in ") + what + ": unpaired low surrogate");
        }
        appendUtf8(out, cp);
    }
    return out;
}

} // namespace

void PropertyBag::WriteProperty(std::string_view name, const Value& value, const Value& defaultValue)
{
    if (name.empty())
        throw PropertyStoreError("a stored property needs a name");
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return sameName(e.name, name); });
    if (value == defaultValue) {
        if (it != entries_.end())
            entries_.erase(it);
        return;
    }
    if (it != entries_.end())
        it->value = value;
    else
        entries_.push_back(Entry{lowerAscii(name), value});
}

PropertyBag::Value PropertyBag::ReadProperty(std::string_view name, const Value& defaultValue) const
{
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return sameName(e.name, name); });
    return it != entries_.end() ? it->value : defaultValue;
}

std::vector<std::uint8_t> PropertyBag::serialize() const
{
    Writer out;
    for (const Entry& entry : entries_) {
        const std::u16string name = toUtf16(entry.name);
        if (name.size() > std::numeric_limits<std::uint16_t>::max())
            throw PropertyStoreError("property name too long: " + std::to_string(name.size()) + " characters");

        Writer value;
        std::uint16_t type = 0;
        if (const auto* number = std::get_if<std::int32_t>(&entry.value)) {
            type = TypeLong;
            value.u32(static_cast<std::uint32_t>(*number));
        } else if (const auto* flag = std::get_if<bool>(&entry.value)) {
            type = TypeBoolean;
            value.u16(*flag ? 0xFFFF : 0);
        } else {
            type = TypeText;
            const std::u16string text = toUtf16(std::get<std::string>(entry.value));
            if (text.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
                throw PropertyStoreError("text of property " + entry.name + " too long");
            value.u32(static_cast<std::uint32_t>(text.size()));
            value.text(text);
        }

        const std::size_t size = padded(HeaderSize + name.size() * 2 + value.bytes.size());
        if (size > std::numeric_limits<std::uint32_t>::max())
            throw PropertyStoreError("property " + entry.name + " too large to store");
        out.u16(type);
        out.u16(static_cast<std::uint16_t>(name.size()));
        out.u32(nameHash(name));
        out.u32(static_cast<std::uint32_t>(size));
        out.text(name);
        out.bytes.insert(out.bytes.end(), value.bytes.begin(), value.bytes.end());
        out.pad();
    }
    return std::move(out.bytes);
}

PropertyBag PropertyBag::parse(const std::vector<std::uint8_t>& bytes)
{
    PropertyBag bag;
    std::size_t begin = 0;
    while (begin < bytes.size()) {
        const std::string where = "entry at byte " + std::to_string(begin);
        Reader header(bytes, begin, bytes.size());
        const std::uint16_t type = header.u16("type code");
        const std::uint16_t nameLength = header.u16("name length");
        const std::uint32_t hash = header.u32("name hash");
        const std::uint32_t size = header.u32("entry size");
        if (type != TypeLong && type != TypeText && type != TypeBoolean)
            throw PropertyStoreError(where + ": unknown type code " + std::to_string(type));
        if (nameLength == 0)
            throw PropertyStoreError(where + ": empty name");
        if (size % 4 != 0 || size < HeaderSize)
            throw PropertyStoreError(where + ": entry size " + std::to_string(size) + " is not a padded entry size");
        if (size > bytes.size() - begin)
            throw PropertyStoreError(where + ": entry size " + std::to_string(size)
                + " runs past the end of the store (" + std::to_string(bytes.size() - begin) + " bytes left)");

        // Everything below reads only inside the entry's own bytes.
        Reader in(bytes, header.position(), begin + size);
        const std::u16string name16 = in.units(nameLength, "name");
        if (nameHash(name16) != hash)
            throw PropertyStoreError(where + ": name hash does not match the name");
        const std::string name = unitsToUtf8(name16, "a property name");
        if (name != lowerAscii(name))
            throw PropertyStoreError(where + ": name " + name + " is not in lower case");
        if (std::any_of(bag.entries_.begin(), bag.entries_.end(), [&](const Entry& e) { return e.name == name; }))
            throw PropertyStoreError(where + ": property " + name + " stored twice");

        Value value;
        if (type == TypeLong) {
            value = static_cast<std::int32_t>(in.u32("integer value"));
        } else if (type == TypeBoolean) {
            const std::uint16_t flag = in.u16("Boolean value");
            if (flag != 0 && flag != 0xFFFF)
                throw PropertyStoreError(where + ": Boolean value " + std::to_string(flag) + " is neither 0 nor -1");
            value = flag != 0;
        } else {
            const std::uint32_t count = in.u32("text length");
            value = unitsToUtf8(in.units(count, "text"), "a text value");
        }
        if (padded(in.position() - begin) != size)
            throw PropertyStoreError(where + ": entry size " + std::to_string(size) + " does not match its content ("
                + std::to_string(padded(in.position() - begin)) + " bytes)");
        for (std::size_t k = in.position(); k < begin + size; ++k)
            if (bytes[k] != 0)
                throw PropertyStoreError(where + ": non-zero padding");

        bag.entries_.push_back(Entry{name, std::move(value)});
        begin += size;
    }
    return bag;
}

std::int32_t toLong(const PropertyBag::Value& value)
{
    if (const auto* number = std::get_if<std::int32_t>(&value))
        return *number;
    if (const auto* flag = std::get_if<bool>(&value))
        return *flag ? -1 : 0;
    const std::string& text = std::get<std::string>(value);
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    std::int32_t number = 0;
    if (first != std::string::npos) {
        const char* begin = text.data() + first;
        const char* end = text.data() + last + 1;
        const auto [ptr, error] = std::from_chars(begin, end, number);
        if (error == std::errc{} && ptr == end)
            return number;
    }
    throw PropertyStoreError("stored text \"" + text + "\" is not a 32-bit integer");
}

std::string toText(const PropertyBag::Value& value)
{
    if (const auto* number = std::get_if<std::int32_t>(&value))
        return std::to_string(*number);
    if (const auto* flag = std::get_if<bool>(&value))
        return *flag ? "True" : "False";
    return std::get<std::string>(value);
}

bool toBoolean(const PropertyBag::Value& value)
{
    if (const auto* flag = std::get_if<bool>(&value))
        return *flag;
    if (const auto* number = std::get_if<std::int32_t>(&value))
        return *number != 0;
    const std::string& text = std::get<std::string>(value);
    const std::string lower = lowerAscii(text);
    if (lower == "true")
        return true;
    if (lower == "false")
        return false;
    try {
        return toLong(value) != 0;
    } catch (const PropertyStoreError&) {
        throw PropertyStoreError("stored text \"" + text + "\" is not a Boolean");
    }
}

} // namespace norvo
