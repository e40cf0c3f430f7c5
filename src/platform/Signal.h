#pragma once

#include <functional>
#include <vector>

namespace norvo {

/// An event a control raises to whoever listens (a label's Click, the panel's
/// Quit). Listeners run in connection order.
template <class... Args> class Signal {
public:
    /// A listener.
    using Slot = std::function<void(Args...)>;

    /// Adds a listener; it runs after those connected before it.
    void connect(Slot slot) { slots_.push_back(std::move(slot)); }

    /// Raises the event: every listener runs with the arguments.
    void operator()(Args... args) const
    {
        // Copy first: a listener may connect another while we run.
        const auto listeners = slots_;
        for (const auto& slot : listeners)
            slot(args...);
    }

private:
    std::vector<Slot> slots_;
};

} // namespace norvo
