#include "platform/SettingsProblem.h"

namespace norvo {

std::string SettingsProblem::message(const TextCatalogue& texts) const
{
    const auto sentence = [&](const std::string& pattern) { return TextCatalogue::fill(pattern, {file, reason}); };
    switch (kind) {
    case Kind::Unreadable:
        return sentence(texts.translate("norvo::SettingsProblem",
            "cannot read the settings file %1 (%2); it is left as it is and the remembered channels are not saved"));
    case Kind::Unparseable:
        return sentence(texts.translate("norvo::SettingsProblem",
            "the settings file %1 does not parse (%2); it is left as it is and the remembered channels are not saved"));
    case Kind::Unwritable: break;
    }
    return sentence(texts.translate("norvo::SettingsProblem",
        "cannot write the settings file %1 (%2); the remembered channels are kept only until the panel closes"));
}

} // namespace norvo
