#pragma once

#include "platform/Control.h"

#include <utility>
#include <vector>

namespace norvo::testing {

// Counts the change notifications of a control tree, the way a view would
// see them (one repaint per notification).
class ChangeCounter : public ControlObserver {
public:
    explicit ChangeCounter(Control& observed)
        : observed_(observed)
    {
        observed_.addObserver(this);
    }
    ~ChangeCounter() override { observed_.removeObserver(this); }

    void controlChanged(Control& control, Property property) override { changes.emplace_back(&control, property); }
    std::size_t count() const { return changes.size(); }
    std::size_t count(const Control& control) const
    {
        std::size_t n = 0;
        for (const auto& change : changes)
            n += change.first == &control;
        return n;
    }
    void reset() { changes.clear(); }

    std::vector<std::pair<Control*, Property>> changes;

private:
    Control& observed_;
};

} // namespace norvo::testing
