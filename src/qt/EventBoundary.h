#pragma once

#include "platform/Control.h"
#include "qt/LogCategories.h"

#include <exception>
#include <string>

namespace norvo::qt {

// Runs a model handler for an event that Qt delivers. An error must not
// unwind through Qt's event dispatch: it is logged and the panel carries on.
// Returns whether the handler completed.
template <class Handler> bool deliver(const char* what, Handler&& handler) noexcept
{
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        qCWarning(lcPanel, "%s failed: %s", what, error.what());
    } catch (...) {
        qCWarning(lcPanel, "%s failed", what);
    }
    return false;
}

// The same for input on one control; the log line names the control.
template <class Handler> bool deliver(const Control& control, const char* event, Handler&& handler) noexcept
{
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        qCWarning(lcPanel, "%s on %s failed: %s", event, control.reference().c_str(), error.what());
    } catch (...) {
        qCWarning(lcPanel, "%s on %s failed", event, control.reference().c_str());
    }
    return false;
}

} // namespace norvo::qt
