#pragma once

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <map>

namespace norvo::qt {

// Numeric window handles for Qt windows, as the panel's host contract passes
// them (HostinghWnd). A host registers its window and hands the number on.
class WindowRegistry {
public:
    // The registry shared by the whole process, as window handles are.
    static WindowRegistry& global();

    // The handle of the window, given on its first registration; never 0.
    std::int32_t handleOf(QWidget* window);
    // The registered window, or nullptr for 0, an unknown handle or a window
    // that no longer exists.
    QWidget* window(std::int32_t handle) const;
    void unregister(std::int32_t handle);

private:
    std::map<std::int32_t, QPointer<QWidget>> windows_;
    std::int32_t lastHandle_ = 0;
};

} // namespace norvo::qt
