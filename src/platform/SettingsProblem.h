#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/platform/TextCatalogue.h>

#include <string>

namespace norvo {

/// Why the user's settings cannot be loaded or kept: which file and what went
/// wrong, for the host to show.
struct NORVOUITOKA_EXPORT SettingsProblem {
    /// What went wrong.
    enum class Kind {
        /// The file exists but cannot be read: nothing is loaded from it and
        /// it is never written over.
        Unreadable,
        /// The file does not parse: what parses is loaded, and it is never
        /// written over.
        Unparseable,
        /// The file cannot be written: what was to be saved stays in memory.
        Unwritable,
    };

    Kind kind = Kind::Unwritable; ///< What went wrong.
    std::string file; ///< The file's path.
    std::string reason; ///< Why, in a few words ("Permission denied").

    /// One sentence for the user: the file, the reason and what follows, in
    /// the catalogue's language.
    std::string message(const TextCatalogue& texts = TextCatalogue::english()) const;

    /// Same kind, file and reason.
    bool operator==(const SettingsProblem&) const = default;
};

} // namespace norvo
