#pragma once

#include <QLoggingCategory>

// What the Qt front end logs, by subject, so that a host can filter it with
// QT_LOGGING_RULES (for example "norvo.*.debug=true" or "norvo.panel=false").
namespace norvo::qt {

// Errors the panel's handlers raised while Qt delivered an event to them.
Q_DECLARE_LOGGING_CATEGORY(lcPanel)
// The remembered channels: settings files that cannot be read or written.
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
// The front end itself: window regions and moves the platform refused.
Q_DECLARE_LOGGING_CATEGORY(lcQt)

} // namespace norvo::qt
