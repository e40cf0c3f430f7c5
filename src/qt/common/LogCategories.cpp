#include "qt/common/LogCategories.h"

namespace norvo::qt {

Q_LOGGING_CATEGORY(lcPanel, "norvo.panel")
Q_LOGGING_CATEGORY(lcSettings, "norvo.settings")
Q_LOGGING_CATEGORY(lcQt, "norvo.qt")

} // namespace norvo::qt
