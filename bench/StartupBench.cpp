// Process start to first frame, and processor time and memory at the first
// frame, of the voice panel in a Qt window (startup-panel-host) against a
// bare Qt host of the same size with the same voice traffic
// (startup-bare-host). Each round
// starts both hosts one after the other, the order swapped every round, on
// Qt's offscreen platform and, where an X server is at hand ($DISPLAY, or an
// Xvfb started here for the run), on xcb. Prints the medians of each host
// and their ratio, panel/bare.
//
//   StartupBench [--rounds N] [--platform offscreen|xcb]...
//
// A --benchmark_min_time=T argument, which the benchmark smoke loop gives
// every *Bench, runs one round without warming up: a smoke test, not a
// measurement.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int HostTimeoutMs = 20'000;

std::int64_t monotonicNs()
{
    timespec time{};
    clock_gettime(CLOCK_MONOTONIC, &time);
    return std::int64_t{time.tv_sec} * 1'000'000'000 + time.tv_nsec;
}

// A pipe whose ends close on exec unless handed to a child by dup2.
struct Pipe {
    Pipe()
    {
        if (pipe2(fds, O_CLOEXEC) != 0)
            throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    }
    ~Pipe()
    {
        closeRead();
        closeWrite();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    void closeRead() { closeEnd(0); }
    void closeWrite() { closeEnd(1); }

    int fds[2] = {-1, -1};

private:
    void closeEnd(int end)
    {
        if (fds[end] >= 0)
            close(fds[end]);
        fds[end] = -1;
    }
};

// Starts a program with its standard output on `out` (dup'ed to `outFd` in
// the child), its standard error appended to `log`, in `environment`.
pid_t spawn(const std::vector<std::string>& command, const std::vector<std::string>& environment, int out, int outFd,
    const fs::path& log)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, out, outFd);
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& entry : environment)
        envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed)
        throw std::runtime_error("cannot start " + command[0] + ": " + std::strerror(failed));
    return pid;
}

// The first line a child writes on `fd`, or what came before it closed `fd`
// or the time allowed ran out.
std::string readAll(int fd, int timeoutMs)
{
    std::string text;
    const std::int64_t deadline = monotonicNs() + std::int64_t{timeoutMs} * 1'000'000;
    for (;;) {
        const auto left = static_cast<int>((deadline - monotonicNs()) / 1'000'000);
        pollfd watched{fd, POLLIN, 0};
        if (left <= 0 || poll(&watched, 1, left) <= 0)
            return text;
        char buffer[4096];
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0)
            return text;
        text.append(buffer, static_cast<std::size_t>(got));
        if (text.find('\n') != std::string::npos)
            return text;
    }
}

std::string tailOf(const fs::path& file)
{
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::string tail;
    for (std::size_t i = lines.size() > 10 ? lines.size() - 10 : 0; i < lines.size(); ++i)
        tail += "    " + lines[i] + "\n";
    return tail;
}

// This process's environment with the Qt platform and the X display given
// (none where empty).
std::vector<std::string> environmentFor(const std::string& platform, const std::string& display)
{
    std::vector<std::string> result;
    for (char** entry = environ; *entry; ++entry) {
        const std::string_view text(*entry);
        if (!text.starts_with("QT_QPA_PLATFORM=") && !text.starts_with("DISPLAY="))
            result.emplace_back(text);
    }
    if (!platform.empty())
        result.push_back("QT_QPA_PLATFORM=" + platform);
    if (!display.empty())
        result.push_back("DISPLAY=" + display);
    return result;
}

// An Xvfb of our own for the run, on the first free display.
class XServer {
public:
    explicit XServer(const fs::path& log)
    {
        const Pipe display;
        constexpr int DisplayFd = 9;
        pid_ = spawn({"/usr/bin/Xvfb", "-displayfd", std::to_string(DisplayFd), "-screen", "0", "1280x1024x24",
                         "-nolisten", "tcp"},
            environmentFor("", ""), display.fds[1], DisplayFd, log);
        std::string number = readAll(display.fds[0], 10'000);
        number.erase(number.find_last_not_of(" \n") + 1);
        if (number.empty()) {
            stop();
            throw std::runtime_error("Xvfb did not start:\n" + tailOf(log));
        }
        display_ = ":" + number;
    }
    ~XServer() { stop(); }
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    const std::string& display() const { return display_; }

private:
    void stop()
    {
        if (pid_ <= 0)
            return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }

    pid_t pid_ = 0;
    std::string display_;
};

// One start of a host, in milliseconds from the moment it was started and
// megabytes of memory at its first frame.
struct Start {
    double loaded; // in main()
    double built; // QApplication made, then the host's widget built
    double frame; // first frame flushed
    double widgetMs; // building the widget alone
    double cpuMs; // processor time of all its threads until the first frame
    double rssMb;
    double peakMb;
};

struct Host {
    std::string name;
    std::vector<std::string> command;
};

// The exit status of a child, killed when it has not ended within the time
// allowed.
int waitFor(pid_t pid, int timeoutMs)
{
    int status = 0;
    for (const std::int64_t deadline = monotonicNs() + std::int64_t{timeoutMs} * 1'000'000;;) {
        if (waitpid(pid, &status, WNOHANG) == pid)
            return status;
        if (monotonicNs() > deadline)
            break;
        usleep(1000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return status;
}

Start startOnce(const Host& host, const std::vector<std::string>& environment, const fs::path& log)
{
    Pipe report;
    const std::int64_t started = monotonicNs();
    const pid_t pid = spawn(host.command, environment, report.fds[1], STDOUT_FILENO, log);
    report.closeWrite();
    const std::string line = readAll(report.fds[0], HostTimeoutMs);
    const int status = waitFor(pid, line.find('\n') == std::string::npos ? 0 : HostTimeoutMs);
    std::map<std::string, std::int64_t> values;
    std::istringstream words(line);
    for (std::string word; words >> word;)
        if (const std::size_t equals = word.find('='); equals != std::string::npos)
            values[word.substr(0, equals)] = std::stoll(word.substr(equals + 1));
    for (const char* needed : {"main", "app", "built", "frame", "cpu_ns", "rss_kb", "hwm_kb"})
        if (!values.count(needed))
            throw std::runtime_error(host.name + " host gave no first frame (status " + std::to_string(status)
                + "); its standard error ends:\n" + tailOf(log));
    const auto since = [&](const char* mark) { return static_cast<double>(values[mark] - started) / 1e6; };
    const auto ms = [&](const char* value) { return static_cast<double>(values[value]) / 1e6; };
    const auto mb = [&](const char* value) { return static_cast<double>(values[value]) / 1024.0; };
    return {since("main"), since("built"), since("frame"), since("built") - since("app"), ms("cpu_ns"), mb("rss_kb"),
        mb("hwm_kb")};
}

// The value below which a share (0 to 1) of the values lie, linearly
// between neighbours.
double quantile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const double place = share * static_cast<double>(values.size() - 1);
    const auto below = static_cast<std::size_t>(place);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (values[above] - values[below]) * (place - static_cast<double>(below));
}

double median(std::vector<double> values) { return quantile(std::move(values), 0.5); }

// A folder of the run's own, removed with everything in it at the end.
struct WorkFolder {
    WorkFolder()
        : path(fs::temp_directory_path() / ("startup-bench-" + std::to_string(getpid())))
    {
        fs::create_directories(path);
    }
    ~WorkFolder()
    {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    const fs::path path;
};

struct Platform {
    std::string name;
    std::vector<std::string> environment;
    std::map<std::string, std::vector<Start>> starts;
};

void printPlatform(const Platform& platform, std::size_t rounds)
{
    const auto column = [&](const std::string& host, double Start::*field) {
        std::vector<double> values;
        for (const Start& start : platform.starts.at(host))
            values.push_back(start.*field);
        return median(values);
    };
    std::printf("%s, %zu rounds, medians:\n", platform.name.c_str(), rounds);
    std::printf("  %-6s %9s %11s %12s %10s %8s %8s %8s\n", "host", "in main", "widget in", "first frame", "widget ms",
        "CPU ms", "RSS MB", "peak MB");
    for (const char* host : {"panel", "bare"})
        std::printf("  %-6s %9.1f %11.1f %12.1f %10.2f %8.1f %8.1f %8.1f\n", host, column(host, &Start::loaded),
            column(host, &Start::built), column(host, &Start::frame), column(host, &Start::widgetMs),
            column(host, &Start::cpuMs), column(host, &Start::rssMb), column(host, &Start::peakMb));
    // Per-round ratios as well: the two starts of a round saw the same load.
    const auto& panel = platform.starts.at("panel");
    const auto& bare = platform.starts.at("bare");
    std::vector<double> frameRatios;
    for (std::size_t i = 0; i < panel.size(); ++i)
        frameRatios.push_back(panel[i].frame / bare[i].frame);
    std::printf("  ratio panel/bare: first frame %.2fx (per round: median %.2fx, middle half %.2f-%.2fx), CPU %.2fx, "
                "RSS at first frame %.2fx, peak %.2fx\n",
        column("panel", &Start::frame) / column("bare", &Start::frame), median(frameRatios),
        quantile(frameRatios, 0.25), quantile(frameRatios, 0.75),
        column("panel", &Start::cpuMs) / column("bare", &Start::cpuMs),
        column("panel", &Start::rssMb) / column("bare", &Start::rssMb),
        column("panel", &Start::peakMb) / column("bare", &Start::peakMb));
}

int run(int argc, char** argv)
{
    std::size_t rounds = 15;
    bool smoke = false;
    std::vector<std::string> platforms;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--rounds" && i + 1 < argc) {
            rounds = std::stoul(argv[++i]);
        } else if (argument == "--platform" && i + 1 < argc) {
            platforms.emplace_back(argv[++i]);
        } else if (argument.starts_with("--benchmark_min_time")) {
            smoke = true;
        } else {
            std::fprintf(stderr, "usage: StartupBench [--rounds N] [--platform offscreen|xcb]...\n");
            return argument == "--help" ? 0 : 2;
        }
    }
    if (smoke)
        rounds = 1;
    if (rounds < 1) {
        std::fprintf(stderr, "StartupBench: --rounds takes a number from 1\n");
        return 2;
    }

    const fs::path here = fs::canonical("/proc/self/exe").parent_path();
    const WorkFolder folder;
    const fs::path& work = folder.path;
    const fs::path log = work / "hosts.log";
    // A settings file of a user who has remembered a few rooms.
    const fs::path settings = work / "NORVOUITOKA.ini";
    std::ofstream(settings)
        << "[PRIVATE]\nCHANNEL0=EDDF_TWR\nCHANNEL1=EDDF_APP\nCHANNEL2=EGLL_TWR\nCHANNEL3=LFPG_GND\n";
    const std::vector<Host> hosts{{"panel", {(here / "startup-panel-host").string(), settings.string()}},
        {"bare", {(here / "startup-bare-host").string()}}};

    if (platforms.empty())
        platforms = {"offscreen", "xcb"};
    std::optional<XServer> ownServer;
    std::vector<Platform> measured;
    for (const std::string& name : platforms) {
        std::string display;
        if (name == "xcb") {
            if (const char* given = std::getenv("DISPLAY"); given && *given) {
                display = given;
            } else if (fs::exists("/usr/bin/Xvfb")) {
                try {
                    if (!ownServer)
                        ownServer.emplace(work / "xvfb.log");
                } catch (const std::exception& error) {
                    std::printf("xcb: skipped, %s\n", error.what());
                    continue;
                }
                display = ownServer->display();
            } else {
                std::printf("xcb: no X server at hand ($DISPLAY unset, no Xvfb): skipped\n");
                continue;
            }
        } else if (name != "offscreen") {
            std::fprintf(stderr, "StartupBench: unknown platform %s\n", name.c_str());
            return 2;
        }
        measured.push_back({name, environmentFor(name, display), {}});
    }

    // A start of each first, unrecorded: the files the hosts read are then
    // in the page cache for every round.
    if (!smoke)
        for (const Platform& platform : measured)
            for (const Host& host : hosts)
                startOnce(host, platform.environment, log);
    for (std::size_t round = 0; round < rounds; ++round)
        for (Platform& platform : measured)
            for (std::size_t k = 0; k < hosts.size(); ++k) {
                const Host& host = hosts[round % 2 ? hosts.size() - 1 - k : k];
                platform.starts[host.name].push_back(startOnce(host, platform.environment, log));
            }

    std::printf("start-up from process start (ms) and memory at the first frame (MB)%s\n",
        smoke ? " -- one round, a smoke test" : "");
    for (const Platform& platform : measured)
        printPlatform(platform, rounds);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "StartupBench: %s\n", error.what());
        return 1;
    }
}
