// A join of the free channel with the real Qt settings store on a temporary
// file: the room is remembered and the list saved. With a list of 300 rooms
// (every one of them written), with a file that holds 10^5 keys of another
// program, and a refresh that changes nothing.
#include "panel/TOKA.h"
#include "platform/ManualClock.h"
#include "qt/QtSettingsStore.h"
#include "recording/CallLog.h"
#include "recording/InMemoryVoiceClient.h"
#include "recording/RecordingDockFrame.h"
#include "recording/RecordingWindowSystem.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

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

BENCHMARK(BM_JoinWith300Rooms)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JoinWith100000KeyFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshWithoutChange)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
