#pragma once

#include <QAccessible>

#include <utility>
#include <vector>

namespace norvo::qt::testing {

// The accessibility events Qt hands to assistive technology, as a bridge to
// a screen reader receives them (a bridge linked into the test program).
struct AccessibilityEvents {
    using Seen = std::pair<const QObject*, QAccessible::Event>;

    AccessibilityEvents() { seen.clear(); }
    ~AccessibilityEvents() { seen.clear(); }
    AccessibilityEvents(const AccessibilityEvents&) = delete;
    AccessibilityEvents& operator=(const AccessibilityEvents&) = delete;

    // How many events of the type were sent for the object (a change of the
    // checked state or of visibility counts as StateChanged); then forgets
    // every event.
    static int take(const QObject* object, QAccessible::Event type);

    static void record(QAccessibleEvent& event);
    static inline std::vector<Seen> seen;
};

} // namespace norvo::qt::testing
