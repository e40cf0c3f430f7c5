#include "FirstFrameReport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>
#include <ctime>
#include <fstream>

namespace {

// The value of a "Name:   123 kB" line of /proc/self/status, or -1.
long statusKilobytes(const std::string& name)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with(name + ":"))
            return std::stol(line.substr(name.size() + 1));
    return -1;
}

// Processor time of every thread so far, user and system.
std::int64_t processorTimeNs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ns = [](const timeval& time) { return std::int64_t{time.tv_sec} * 1'000'000'000 + time.tv_usec * 1000; };
    return ns(usage.ru_utime) + ns(usage.ru_stime);
}

} // namespace

std::int64_t FirstFrameReport::now()
{
    timespec time{};
    clock_gettime(CLOCK_MONOTONIC, &time);
    return std::int64_t{time.tv_sec} * 1'000'000'000 + time.tv_nsec;
}

void FirstFrameReport::mark(const char* name, std::int64_t when) { marks_.emplace_back(name, when); }

void FirstFrameReport::watch(QWidget& widget)
{
    watched_ = &widget;
    // Opaque children may cover the widget itself, which Qt then leaves
    // unpainted: the first paint anywhere in it counts.
    QCoreApplication::instance()->installEventFilter(this);
}

bool FirstFrameReport::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && !painted_ && watched->isWidgetType()
        && (watched == watched_ || watched_->isAncestorOf(static_cast<QWidget*>(watched)))) {
        painted_ = true;
        QCoreApplication::instance()->removeEventFilter(this);
        // Qt paints the whole window and flushes it to the screen within the
        // one event that sends this paint; a call queued now runs after that.
        QMetaObject::invokeMethod(this, &FirstFrameReport::report, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void FirstFrameReport::report()
{
    mark("frame");
    for (const auto& [name, when] : marks_)
        std::printf("%s=%lld ", name, static_cast<long long>(when));
    std::printf("cpu_ns=%lld rss_kb=%ld hwm_kb=%ld\n", static_cast<long long>(processorTimeNs()),
        statusKilobytes("VmRSS"), statusKilobytes("VmHWM"));
    std::fflush(stdout);
    QCoreApplication::quit();
}
