// The panel against an in-memory voice client: binding with its full refresh
// for growing slot counts, one value refresh per branch, and a click command.
#include "panel/TOKA.h"
#include "platform/Control.h"
#include "platform/ManualClock.h"
#include "testing/CallLog.h"
#include "testing/InMemoryVoiceClient.h"
#include "testing/LoggingVoiceClient.h"
#include "testing/MemorySettingsStore.h"
#include "testing/RecordingDockFrame.h"
#include "testing/RecordingWindowSystem.h"

#include <benchmark/benchmark.h>

namespace {

using namespace norvo;

constexpr std::int32_t Handle = 7;
constexpr std::int32_t FirstIndex = 7;

// One panel bound to a voice object of A slots whose rooms are all connected,
// active, routed and named, so that every branch does its full work.
struct Bench {
    CallLog log;
    InMemoryVoiceClient voice;
    LoggingVoiceClient loggedVoice{voice, log.writer(), LoggingVoiceClient::FailureReasons::LeftOut};
    RecordingDockFrame dock{log};
    MemorySettingsStore settings;
    RecordingWindowSystem windows{log};
    ManualClock clock;
    TOKA panel{TokaEnvironment{loggedVoice, dock, settings, windows, clock}};

    explicit Bench(std::int32_t slots)
    {
        voice.setPilot(InMemoryVoiceClient::Pilot{"B", "1", "122.800", "121.500"});
        voice.addObject(Handle, "VOICE", "TOKA");
        voice.setLong(Handle, 0, slots);
        voice.setLong(Handle, 1, FirstIndex);
        for (const std::int32_t fixed : {2, 3, 6})
            voice.setLong(Handle, fixed, 1);
        for (std::int32_t block = 0; block < 7; ++block) {
            for (std::int32_t slot = 0; slot < 3; ++slot) {
                const std::int32_t index = FirstIndex + block * slots + slot;
                voice.setLong(Handle, index, block == 0 ? 2 : 1);
                voice.setText(Handle, index, "ROOM_" + std::to_string(slot) + "\r\nline two");
            }
        }
        panel.Initialize();
        panel.Norvo_ObjectCreated(Handle);
        log.take();
    }
};

void BM_BindWithFullRefresh(benchmark::State& state)
{
    Bench bench(static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) {
        bench.panel.Norvo_ObjectCreated(Handle);
        benchmark::DoNotOptimize(bench.log.take());
    }
}
BENCHMARK(BM_BindWithFullRefresh)->Arg(3)->Arg(1'000)->Arg(10'000'000);

// One value change per branch of the item refresh (slot 2 where there is a
// slot), and an index that has none.
void BM_ObjectValueChanged(benchmark::State& state)
{
    Bench bench(3);
    const TokaFields& f = bench.panel.fields();
    const std::int32_t indices[] = {2, 3, 6, f.StateBase + 2, f.SendActivityBase + 2, f.RecvActivityBase + 2,
        f.ReceiveBase, f.ReceiveBase + 2, f.TransmitBase + 2, f.PriorityBase + 2, 5};
    const std::int32_t index = indices[state.range(0)];
    for (auto _ : state) {
        bench.panel.Norvo_ObjectValueChanged(Handle, index);
        benchmark::DoNotOptimize(bench.log.take());
    }
    state.SetLabel("index " + std::to_string(index));
}
BENCHMARK(BM_ObjectValueChanged)->DenseRange(0, 10);

void BM_PriorityClickWithRefresh(benchmark::State& state)
{
    Bench bench(3);
    Control& button = bench.panel.form().at("PriorityChannel", 2);
    for (auto _ : state) {
        button.click();
        benchmark::DoNotOptimize(bench.log.take());
    }
}
BENCHMARK(BM_PriorityClickWithRefresh);

} // namespace

BENCHMARK_MAIN();
