#pragma once

#include <NorvoUITOKA/norvouitoka_qtcommon_export.h>

#include <QLoggingCategory>

// What the Qt front end logs, by subject, so that a host can filter it with
// QT_LOGGING_RULES (for example "norvo.*.debug=true" or "norvo.panel=false").
namespace norvo::qt {

// Errors the panel's handlers raised while Qt delivered an event to them.
NORVOUITOKA_QTCOMMON_EXPORT const QLoggingCategory& lcPanel();
// The remembered channels: settings files that cannot be read or written.
NORVOUITOKA_QTCOMMON_EXPORT const QLoggingCategory& lcSettings();
// The front end itself: window regions and moves the platform refused.
NORVOUITOKA_QTCOMMON_EXPORT const QLoggingCategory& lcQt();

} // namespace norvo::qt
