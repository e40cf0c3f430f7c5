#include "qt/widgets/WindowRegistry.h"

#include "platform/CheckedMath.h"

#include <stdexcept>

namespace norvo::qt {

WindowRegistry& WindowRegistry::global()
{
    static WindowRegistry registry;
    return registry;
}

std::int32_t WindowRegistry::handleOf(QWidget* window)
{
    if (!window)
        throw std::invalid_argument("no window to register");
    for (const auto& [handle, registered] : windows_)
        if (registered == window)
            return handle;
    const std::int32_t handle = checkedAdd(lastHandle_, 1);
    lastHandle_ = handle;
    windows_.emplace(handle, window);
    return handle;
}

QWidget* WindowRegistry::window(std::int32_t handle) const
{
    const auto found = windows_.find(handle);
    return found == windows_.end() ? nullptr : found->second.data();
}

void WindowRegistry::unregister(std::int32_t handle) { windows_.erase(handle); }

} // namespace norvo::qt
