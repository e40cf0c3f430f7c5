#include "FirstFrameReport.h"

#include <QCoreApplication>
#include <QMetaObject>

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

void FirstFrameReport::frameShown()
{
    if (shown_)
        return;
    shown_ = true;
    // Queued: what draws and flushes the frame finishes first.
    QMetaObject::invokeMethod(this, &FirstFrameReport::report, Qt::QueuedConnection);
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
