#include "platform/TextCatalogue.h"

namespace norvo {

std::string TextCatalogue::translate(const char*, const char* english) const { return english; }

const TextCatalogue& TextCatalogue::english()
{
    static const TextCatalogue catalogue;
    return catalogue;
}

std::string TextCatalogue::fill(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const std::size_t field = at + 1 < pattern.size() && pattern[at] == '%' ? pattern[at + 1] - '1' : values.size();
        if (field < values.size()) {
            text += values.begin()[field];
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

} // namespace norvo
