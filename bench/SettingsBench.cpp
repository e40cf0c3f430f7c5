// A join of the free channel with the real Qt settings store on a temporary
// file: the room is remembered and the list saved. With a list of 300 rooms
// (every one of them written), with a file that holds 10^5 keys of another
// program, and a refresh that changes nothing. Then the panel's start-up on a
// settings file of 50 MB, with its time and its peak memory.
#include "panel/TOKA.h"
#include "platform/ManualClock.h"
#include "qt/common/QtSettingsStore.h"
#include "recording/CallLog.h"
#include "recording/InMemoryVoiceClient.h"
#include "recording/RecordingDockFrame.h"
#include "recording/RecordingWindowSystem.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace norvo;

constexpr std::int32_t Handle = 7;
// The free channel's name and state, with three slots from index 7.
constexpr std::int32_t FreeChannel = 9;

// A panel bound to a voice object whose free channel is connected, saving to
// NORVOUITOKA.ini in a folder of its own, which may hold a file already.
struct JoinRig {
    explicit JoinRig(const QByteArray& file = {})
    {
        if (!file.isEmpty()) {
            QFile ini(folder.filePath(QStringLiteral("NORVOUITOKA.ini")));
            if (!ini.open(QIODevice::WriteOnly) || ini.write(file) != file.size())
                throw std::runtime_error("cannot write the settings file");
        }
        settings = std::make_unique<qt::QtSettingsStore>(folder.path());
        panel = std::make_unique<TOKA>(TokaEnvironment{voice, dock, *settings, windows, clock});
        voice.addObject(Handle, "VOICE", "TOKA");
        voice.setLong(Handle, 0, 3);
        voice.setLong(Handle, 1, 7);
        voice.setLong(Handle, 2, 1);
        panel->Initialize();
        panel->eventSink().receive({VoiceEvent::Kind::ObjectCreated, Handle});
        voice.setLong(Handle, FreeChannel, 2);
    }

    void join(const std::string& room)
    {
        voice.setText(Handle, FreeChannel, room);
        panel->eventSink().receive({VoiceEvent::Kind::ObjectValueChanged, Handle, FreeChannel});
        log.take();
    }

    QTemporaryDir folder;
    CallLog log;
    InMemoryVoiceClient voice;
    RecordingDockFrame dock{log};
    RecordingWindowSystem windows{log};
    ManualClock clock;
    std::unique_ptr<qt::QtSettingsStore> settings;
    std::unique_ptr<TOKA> panel;
};

std::string room(int number) { return "ROOM_" + std::to_string(number); }

// Joining the room at the bottom of the list moves it to the top: each join
// writes all 300 rooms.
void BM_JoinWith300Rooms(benchmark::State& state)
{
    constexpr int Rooms = 300;
    JoinRig rig;
    for (int number = 0; number < Rooms; ++number)
        rig.join(room(number));
    int next = 0;
    for (auto _ : state)
        rig.join(room(next++ % Rooms));
}

void BM_JoinWith100000KeyFile(benchmark::State& state)
{
    QByteArray file = "[PRIVATE]\nCHANNEL0=A\nCHANNEL1=B\n\n[OTHER]\n";
    for (int key = 0; key < 100000; ++key)
        file += "key" + QByteArray::number(key) + "=value number " + QByteArray::number(key) + '\n';
    JoinRig rig(file);
    state.counters["file_bytes"] = static_cast<double>(file.size());
    bool second = false;
    for (auto _ : state) {
        rig.join(second ? "B" : "A");
        second = !second;
    }
}

// The room on top shown connected again: nothing to write.
void BM_RefreshWithoutChange(benchmark::State& state)
{
    JoinRig rig;
    rig.join("A");
    for (auto _ : state)
        rig.join("A");
}

// What the settings file of a start-up holds: 50 MB of it in one of three
// shapes.
enum class BigFile {
    // Two rooms, and a section of another program with a million keys.
    ManyKeys,
    // Two rooms, and one value of 50 MB of another program.
    OneForeignValue,
    // One room of 50 MB and one of two letters.
    OneHugeRoom,
};

constexpr qint64 BigFileBytes = 50'000'000;

QString bigFile(BigFile shape)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("big%1.ini").arg(static_cast<int>(shape)));
    if (QFile::exists(path))
        return path;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write the settings file");
    const auto filler = [&](const QByteArray& head) {
        file.write(head);
        const QByteArray chunk(1 << 20, 'x');
        while (file.size() < BigFileBytes)
            file.write(chunk.first(std::min<qint64>(chunk.size(), BigFileBytes - file.size())));
        file.write("\n");
    };
    switch (shape) {
    case BigFile::ManyKeys:
        file.write("[PRIVATE]\nCHANNEL0=A\nCHANNEL1=B\n\n[OTHER]\n");
        for (int key = 0; file.size() < BigFileBytes; ++key)
            file.write("key" + QByteArray::number(key) + "=value number " + QByteArray::number(key) + '\n');
        break;
    case BigFile::OneForeignValue: filler("[PRIVATE]\nCHANNEL0=A\nCHANNEL1=B\n\n[OTHER]\nblob="); break;
    case BigFile::OneHugeRoom: filler("[PRIVATE]\nCHANNEL1=B\nCHANNEL0="); break;
    }
    return path;
}

// The peak and the current resident memory of this process, in bytes.
struct Memory {
    double peak = 0;
    double now = 0;
};

Memory memory()
{
    Memory found;
    std::ifstream status("/proc/self/status");
    std::string field;
    double kilobytes = 0;
    while (status >> field) {
        if (field == "VmHWM:" && status >> kilobytes)
            found.peak = kilobytes * 1024;
        else if (field == "VmRSS:" && status >> kilobytes)
            found.now = kilobytes * 1024;
    }
    return found;
}

struct StartResult {
    double seconds = 0;
    double peakBytes = 0;
    double addedBytes = 0;
};

// A panel starts on the file in a child process: its peak memory is that
// of the start-up alone (the peak is reset at the fork).
StartResult startInChild(const QString& path)
{
    int channel[2];
    if (pipe(channel) != 0)
        throw std::runtime_error("no pipe");
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::ofstream("/proc/self/clear_refs") << "5";
        StartResult result;
        const double before = memory().now;
        const auto started = std::chrono::steady_clock::now();
        {
            CallLog log;
            InMemoryVoiceClient voice;
            RecordingDockFrame dock{log};
            RecordingWindowSystem windows{log};
            ManualClock clock;
            const auto settings = qt::QtSettingsStore::forFile(path);
            TOKA panel(TokaEnvironment{voice, dock, *settings, windows, clock});
            panel.Initialize();
            result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
            const Memory after = memory();
            result.peakBytes = after.peak;
            result.addedBytes = after.peak - before;
        }
        const bool sent = write(channel[1], &result, sizeof result) == sizeof result;
        _exit(sent ? 0 : 1);
    }
    close(channel[1]);
    StartResult result;
    const bool received = read(channel[0], &result, sizeof result) == sizeof result;
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!received || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("the start-up in the child process failed");
    return result;
}

void BM_StartWith50MBFile(benchmark::State& state)
{
    const QString path = bigFile(static_cast<BigFile>(state.range(0)));
    StartResult worst;
    for (auto _ : state) {
        const StartResult result = startInChild(path);
        state.SetIterationTime(result.seconds);
        worst.seconds = std::max(worst.seconds, result.seconds);
        worst.peakBytes = std::max(worst.peakBytes, result.peakBytes);
        worst.addedBytes = std::max(worst.addedBytes, result.addedBytes);
    }
    state.counters["file_MB"] = BigFileBytes / 1e6;
    state.counters["slowest_s"] = worst.seconds;
    state.counters["peak_rss_MB"] = worst.peakBytes / 1e6;
    state.counters["added_rss_MB"] = worst.addedBytes / 1e6;
    state.counters["peak_per_file"] = worst.peakBytes / BigFileBytes;
}

BENCHMARK(BM_JoinWith300Rooms)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JoinWith100000KeyFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshWithoutChange)->Unit(benchmark::kMicrosecond);
// 0: many keys, 1: one foreign value, 2: one huge room.
BENCHMARK(BM_StartWith50MBFile)->DenseRange(0, 2)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
