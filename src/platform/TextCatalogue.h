#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>

#include <initializer_list>
#include <string>
#include <string_view>

namespace norvo {

/// Where the texts a person reads come from. The panel asks for each of its
/// texts by a fixed context and the English text, once, when it is made; this
/// catalogue answers in English, a host's own (QtTextCatalogue on Qt's
/// translators, say) in the user's language. A text with %1 or %2 is a
/// pattern: its translation keeps them, and the panel fills them in.
class NORVOUITOKA_EXPORT TextCatalogue {
public:
    virtual ~TextCatalogue() = default;

    /// The text in the user's language; the English text itself when there is
    /// no translation.
    virtual std::string translate(const char* context, const char* english) const;

    /// The catalogue every panel asks unless its host gives another.
    static const TextCatalogue& english();

    /// The pattern with each %1 replaced by the first value, %2 by the second,
    /// and so on up to %9; any other % stays.
    static std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values);
};

} // namespace norvo
