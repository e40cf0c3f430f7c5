#pragma once

#include <NorvoUITOKA/norvouitoka_qtcommon_export.h>
#include <NorvoUITOKA/platform/TextCatalogue.h>

namespace norvo::qt {

/// The panel's texts through Qt's translators (QCoreApplication::translate):
/// English until the application installs one that knows them, such as a
/// PanelTranslator. A panel asks when it is made, so the translator goes in
/// first.
class NORVOUITOKA_QTCOMMON_EXPORT QtTextCatalogue final : public TextCatalogue {
public:
    /// QCoreApplication::translate(context, english), in UTF-8.
    std::string translate(const char* context, const char* english) const override;
};

} // namespace norvo::qt
