#include "platform/SettingsProblem.h"

namespace norvo {

std::string SettingsProblem::message() const
{
    switch (kind) {
    case Kind::Unreadable:
        return "cannot read the settings file " + file + " (" + reason
            + "); it is left as it is and the remembered channels are not saved";
    case Kind::Unparseable:
        return "the settings file " + file + " does not parse (" + reason
            + "); it is left as it is and the remembered channels are not saved";
    case Kind::Unwritable: break;
    }
    return "cannot write the settings file " + file + " (" + reason
        + "); the remembered channels are kept only until the panel closes";
}

} // namespace norvo
