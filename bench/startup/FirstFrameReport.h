#pragma once

#include <QObject>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class QWidget;

// What a start-up host tells StartupBench: its milestones as CLOCK_MONOTONIC
// nanoseconds (the clock the parent read when it started the process), the
// first frame among them, and its processor time and memory then (VmRSS,
// VmHWM). One line of
// name=value pairs on standard output once the watched widget's first paint
// has been flushed to its window; then the application quits.
class FirstFrameReport : public QObject {
public:
    static std::int64_t now();

    // A milestone reached at the given time.
    void mark(const char* name, std::int64_t when = now());
    // The widget whose first paint (its own or a child's) is the first frame.
    void watch(QWidget& widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void report();

    std::vector<std::pair<const char*, std::int64_t>> marks_;
    QWidget* watched_ = nullptr;
    bool painted_ = false;
};
