#pragma once

#include "platform/Control.h"
#include "qt/common/LogCategories.h"

#include <exception>
#include <string>

namespace norvo::qt {

// Runs a model handler for an event that Qt delivers. An error must not
// unwind through Qt's event dispatch: it is logged, as what describe() says
// failed, and the panel carries on. Returns whether the handler completed.
template <class Describe, class Handler> bool deliverAs(Describe&& describe, Handler&& handler) noexcept
{
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        qCWarning(lcPanel, "%s failed: %s", describe().c_str(), error.what());
    } catch (...) {
        qCWarning(lcPanel, "%s failed", describe().c_str());
    }
    return false;
}

template <class Handler> bool deliver(const char* what, Handler&& handler) noexcept
{
    return deliverAs([what] { return std::string(what); }, handler);
}

// Input on one control: the log line names the control.
template <class Handler> bool deliver(const Control& control, const char* event, Handler&& handler) noexcept
{
    return deliverAs([&] { return std::string(event) + " on " + control.reference(); }, handler);
}

} // namespace norvo::qt
