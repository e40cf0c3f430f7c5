#pragma once

#include <QObject>

#include <cstdint>
#include <utility>
#include <vector>

// What a start-up host tells StartupBench: its milestones as CLOCK_MONOTONIC
// nanoseconds (the clock the parent read when it started the process), the
// first frame among them, and its processor time and memory then (VmRSS,
// VmHWM). One line of name=value pairs on standard output once a watcher
// (WidgetPaintWatch, QuickFrameWatch) has seen the first frame reach the
// window; then the application quits. Needs Qt Core only, so that neither
// kind of host loads the other's libraries.
class FirstFrameReport : public QObject {
public:
    static std::int64_t now();

    // A milestone reached at the given time.
    void mark(const char* name, std::int64_t when = now());
    // The first frame is on its way to the window: report once what the
    // event loop has finished it.
    void frameShown();

private:
    void report();

    std::vector<std::pair<const char*, std::int64_t>> marks_;
    bool shown_ = false;
};
