#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace norvo {

namespace sameTextParts {

template <class Word> Word word(const char* bytes)
{
    Word value;
    std::memcpy(&value, bytes, sizeof(Word));
    return value;
}

// The first and the last sizeof(Word) bytes of two texts of one length of
// at least that many bytes.
template <class Word> bool sameEnds(std::string_view a, std::string_view b)
{
    const std::size_t last = a.size() - sizeof(Word);
    return word<Word>(a.data()) == word<Word>(b.data()) && word<Word>(a.data() + last) == word<Word>(b.data() + last);
}

} // namespace sameTextParts

// Whether two texts are equal. A refresh mostly finds a control's few letters
// as they were: texts of four to sixteen bytes compare inline as two words
// that may overlap, shorter ones byte by byte, longer ones through the
// library.
inline bool sameText(std::string_view a, std::string_view b)
{
    const std::size_t size = a.size();
    if (size != b.size())
        return false;
    if (size >= 8 && size <= 16)
        return sameTextParts::sameEnds<std::uint64_t>(a, b);
    if (size >= 4 && size < 8)
        return sameTextParts::sameEnds<std::uint32_t>(a, b);
    if (size > 16)
        return a == b;
    for (std::size_t i = 0; i < size; ++i) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}

} // namespace norvo
