#include "ValueFormatter.h"

#include "recording/CallLog.h"

#include <algorithm>
#include <cstdio>

namespace norvo::replay {

namespace {

template <class... Ts> struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

// The digits of "CHANNEL12" when the key is CHANNEL and a canonical decimal
// number; empty otherwise.
std::string_view channelNumber(std::string_view key)
{
    constexpr std::string_view prefix = "CHANNEL";
    if (!key.starts_with(prefix))
        return {};
    const std::string_view digits = key.substr(prefix.size());
    if (digits.empty() || (digits.size() > 1 && digits.front() == '0'))
        return {};
    for (const char c : digits)
        if (c < '0' || c > '9')
            return {};
    return digits;
}

bool settingsKeyBefore(const std::string& a, const std::string& b)
{
    const std::string_view na = channelNumber(a);
    const std::string_view nb = channelNumber(b);
    if (na.empty() != nb.empty())
        return !na.empty();
    if (na.empty())
        return a < b;
    // Canonical numbers of any length: the shorter is the smaller.
    return na.size() != nb.size() ? na.size() < nb.size() : na < nb;
}

} // namespace

std::string ValueFormatter::colour(Colour colour)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "&H%06X", static_cast<unsigned>(colour));
    return digits;
}

std::string ValueFormatter::fontSize(double size)
{
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.6f", size);
    std::string text = digits;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

std::string ValueFormatter::list(const std::vector<std::string>& items)
{
    std::string text = "[";
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i ? ", " : "") + CallLog::quote(items[i]);
    return text + "]";
}

std::string ValueFormatter::rect(const std::optional<Rect>& rect)
{
    if (!rect)
        return "none";
    return std::to_string(rect->x) + ", " + std::to_string(rect->y) + ", " + std::to_string(rect->width) + ", "
        + std::to_string(rect->height);
}

std::string ValueFormatter::format(const ScriptValue& value)
{
    return std::visit(
        Overloaded{
            [](std::int32_t number) { return std::to_string(number); },
            [](bool flag) { return CallLog::boolean(flag); },
            [](const std::string& text) { return CallLog::quote(text); },
            [](ColourValue c) { return colour(c.colour); },
            [](FontSizeValue f) { return fontSize(f.size); },
            [](const std::vector<std::string>& items) { return list(items); },
            [](const std::optional<Rect>& r) { return rect(r); },
            [](const ReferenceValue& r) { return r.reference.empty() ? std::string("none") : r.reference; },
        },
        value);
}

std::vector<std::string> ValueFormatter::settingsLines(
    SettingsStore& store, const std::string& application, const std::string& section)
{
    SettingsStore::Entries entries = store.GetAllSettings(application, section);
    std::sort(entries.begin(), entries.end(),
        [](const auto& a, const auto& b) { return settingsKeyBefore(a.first, b.first); });
    std::vector<std::string> lines;
    for (const auto& [key, value] : entries)
        lines.push_back(CallLog::quote(key) + " = " + CallLog::quote(value));
    return lines;
}

} // namespace norvo::replay
