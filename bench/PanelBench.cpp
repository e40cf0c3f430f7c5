// The panel against an in-memory voice client. Each handler (every branch of
// the item refresh, the binding with its full refresh, two click commands) is
// timed next to a companion that makes the same voice-client calls and
// nothing else, on the same client, batch after batch in turn: the ratio
// panel / bare is what the panel adds. Before anything runs, each companion's
// calls are compared with the panel's, so that the baseline cannot drift.
#include "panel/TOKA.h"
#include "platform/Control.h"
#include "platform/ManualClock.h"
#include "recording/CallLog.h"
#include "recording/InMemoryVoiceClient.h"
#include "recording/LoggingVoiceClient.h"
#include "recording/MemorySettingsStore.h"
#include "recording/RecordingDockFrame.h"
#include "recording/RecordingWindowSystem.h"
#include "voice/VoiceObjectLayout.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace norvo;

constexpr std::int32_t Handle = 7;
constexpr std::int32_t FirstIndex = 7;
constexpr std::int32_t Slots = 3;
constexpr std::int32_t FreeChannel = 2;

using Block = VoiceObjectLayout::Block;
constexpr std::int32_t at(Block block, std::int32_t slot)
{
    return FirstIndex + static_cast<int>(block) * Slots + slot;
}

std::string roomName(std::int32_t slot) { return "EDDF_" + std::to_string(slot) + "_TWR"; }

// A panel bound to a voice object whose rooms are all connected, active,
// muted, prioritised and routed to the speaker, so that every branch does its
// full work, with ten rooms remembered. Its calls go to the plain in-memory
// client, or through a client that records each of them.
struct Rig {
    enum class Client { Plain, Recording };

    CallLog log;
    InMemoryVoiceClient plain;
    LoggingVoiceClient recording{plain, log.writer(), LoggingVoiceClient::FailureReasons::LeftOut};
    VoiceClient& voice;
    RecordingDockFrame dock{log};
    MemorySettingsStore settings;
    RecordingWindowSystem windows{log};
    ManualClock clock;
    TOKA panel{TokaEnvironment{voice, dock, settings, windows, clock}};

    Rig(Client client, std::int32_t slots)
        : voice(client == Client::Plain ? static_cast<VoiceClient&>(plain) : recording)
    {
        plain.setPilot(InMemoryVoiceClient::Pilot{"B", "1", "122.800", "121.500"});
        plain.addObject(Handle, "VOICE", "TOKA");
        plain.setLong(Handle, HeaderIndex::SlotCount, slots);
        plain.setLong(Handle, HeaderIndex::FirstIndex, FirstIndex);
        for (const std::int32_t fixed :
            {HeaderIndex::VoiceEnabled, HeaderIndex::SpeakerRouting, HeaderIndex::Transmitting})
            plain.setLong(Handle, fixed, 1);
        for (std::int32_t block = 0; block < VoiceObjectLayout::BlockCount; ++block) {
            for (std::int32_t slot = 0; slot < Slots; ++slot)
                plain.setLong(Handle, FirstIndex + block * slots + slot, block == 0 ? RoomState::Connected : 1);
        }
        for (std::int32_t slot = 0; slot < Slots; ++slot) {
            plain.setText(Handle, FirstIndex + slot, roomName(slot));
            plain.setText(Handle, FirstIndex + slots + slot, "Tower, " + roomName(slot) + "\r\nATIS on 118.025");
        }
        for (std::int32_t n = 0; n < 10; ++n)
            settings.SaveSetting(
                TOKA::SettingsApplication, TOKA::SettingsSection, "CHANNEL" + std::to_string(n), roomName(n));
        panel.Initialize();
        panel.eventSink().receive({VoiceEvent::Kind::ObjectCreated, Handle});
        log.take();
    }
};

// The bare calls of each branch, in the panel's order, for the object above.
namespace bare {

void keep(std::int32_t value) { benchmark::DoNotOptimize(value); }
void keep(const std::string& value) { benchmark::DoNotOptimize(value.data()); }

void lock(VoiceClient& voice)
{
    std::int32_t handle = Handle;
    benchmark::DoNotOptimize(voice.LockObject(handle));
}

void speakers(VoiceClient& voice)
{
    lock(voice);
    keep(voice.GetLong(HeaderIndex::VoiceEnabled));
    keep(voice.GetLong(HeaderIndex::SpeakerRouting));
    keep(voice.GetLong(HeaderIndex::AllToSpeaker));
    for (std::int32_t slot = 0; slot < Slots; ++slot)
        keep(voice.GetLong(at(Block::Info, slot)));
    voice.UnlockObject();
}

void voiceEnable(VoiceClient& voice)
{
    lock(voice);
    keep(voice.GetLong(HeaderIndex::VoiceEnabled));
    voice.UnlockObject();
    speakers(voice);
}

void oneValue(VoiceClient& voice, std::int32_t index)
{
    lock(voice);
    keep(voice.GetLong(index));
    voice.UnlockObject();
}

void sendBar(VoiceClient& voice) { oneValue(voice, HeaderIndex::Transmitting); }

void roomState(VoiceClient& voice, std::int32_t slot)
{
    lock(voice);
    keep(voice.GetLong(at(Block::Room, slot)));
    keep(voice.GetLong(at(Block::SendActivity, slot)));
    keep(voice.GetLong(at(Block::ReceiveActivity, slot)));
    keep(voice.GetString(at(Block::Info, slot)));
    keep(voice.GetString(at(Block::Room, slot)));
    voice.UnlockObject();
}

void sendActivity(VoiceClient& voice, std::int32_t slot)
{
    lock(voice);
    keep(voice.GetLong(at(Block::Room, slot)));
    keep(voice.GetLong(at(Block::SendActivity, slot)));
    voice.UnlockObject();
}

void receiveActivity(VoiceClient& voice, std::int32_t slot)
{
    lock(voice);
    keep(voice.GetLong(at(Block::Room, slot)));
    keep(voice.GetLong(at(Block::ReceiveActivity, slot)));
    for (std::int32_t k = 0; k < Slots; ++k) {
        keep(voice.GetLong(at(Block::Room, k)));
        keep(voice.GetLong(at(Block::ReceiveActivity, k)));
    }
    voice.UnlockObject();
}

// Both radios heard, COMM1 transmitting: the mute flags of both radio slots
// are read for the receive buttons, COMM1's for the transmit button.
void radios(VoiceClient& voice)
{
    benchmark::DoNotOptimize(voice.LockMainPilotUser(0));
    keep(voice.ReceiveRadio());
    keep(voice.TransmitRadio());
    keep(voice.Com1Frequency());
    keep(voice.Com2Frequency());
    voice.UnlockMainPilotUser();
    lock(voice);
    keep(voice.GetLong(at(Block::ReceiveMute, 0)));
    keep(voice.GetLong(at(Block::ReceiveMute, 1)));
    keep(voice.GetLong(at(Block::TransmitMute, 0)));
    voice.UnlockObject();
}

void roomText(VoiceClient& voice, std::int32_t slot)
{
    lock(voice);
    keep(voice.GetLong(at(Block::Room, slot)));
    keep(voice.GetString(at(Block::Info, slot)));
    if (slot != FreeChannel)
        keep(voice.GetString(at(Block::Room, slot)));
    voice.UnlockObject();
}

void binding(VoiceClient& voice)
{
    lock(voice);
    keep(voice.ObjectType());
    keep(voice.ObjectName());
    keep(voice.GetLong(HeaderIndex::SlotCount));
    keep(voice.GetLong(HeaderIndex::FirstIndex));
    voice.UnlockObject();
    voiceEnable(voice);
    speakers(voice);
    speakers(voice);
    sendBar(voice);
    for (std::int32_t slot = 0; slot < Slots; ++slot)
        roomState(voice, slot);
    for (std::int32_t slot = 0; slot < Slots; ++slot)
        speakers(voice);
    for (const Block mute : {Block::ReceiveMute, Block::TransmitMute}) {
        radios(voice);
        radios(voice);
        oneValue(voice, at(mute, FreeChannel));
    }
    for (std::int32_t slot = 0; slot < Slots; ++slot)
        receiveActivity(voice, slot);
    for (std::int32_t slot = 0; slot < Slots; ++slot)
        sendActivity(voice, slot);
    for (std::int32_t slot = 0; slot < Slots; ++slot)
        oneValue(voice, at(Block::Priority, slot));
    for (std::int32_t slot = 0; slot < Slots; ++slot)
        roomText(voice, slot);
}

void flip(VoiceClient& voice, std::int32_t index)
{
    lock(voice);
    voice.SetLong(index, voice.GetLong(index) != 0 ? 0 : 1);
    voice.UnlockObject();
    oneValue(voice, index);
}

// The free channel asked to connect (again) to the room typed in its box,
// which shows the room it joined.
void connectRequest(VoiceClient& voice)
{
    static const std::string typed = roomName(FreeChannel);
    const std::int32_t state = at(Block::Room, FreeChannel);
    lock(voice);
    if (voice.GetLong(state) != RoomState::Connected) {
        voice.SetLong(state, RoomState::Pending);
        voice.SetString(state, typed);
    } else {
        voice.SetLong(state, RoomState::Offline);
    }
    voice.UnlockObject();
    oneValue(voice, state);
}

} // namespace bare

// What the panel is given to do (the control it acts on looked up
// beforehand), and its companion.
struct Handler {
    using Action = std::function<void()>;
    const char* name;
    Action (*panel)(TOKA&);
    void (*bare)(VoiceClient&);
};

template <std::int32_t Index> Handler::Action valueChanged(TOKA& panel)
{
    return [&sink = panel.eventSink()] { sink.receive({VoiceEvent::Kind::ObjectValueChanged, Handle, Index}); };
}

template <const char* Name> Handler::Action click(TOKA& panel)
{
    return [&control = panel.form().at(Name, FreeChannel)] { control.click(); };
}

constexpr char PriorityChannel[] = "PriorityChannel";
constexpr char RoomStatus[] = "RoomStatus";

const std::vector<Handler>& handlers()
{
    static const std::vector<Handler> all = {
        {"voice_enable", valueChanged<HeaderIndex::VoiceEnabled>, bare::voiceEnable},
        {"speakers", valueChanged<HeaderIndex::SpeakerRouting>, bare::speakers},
        {"send_bar", valueChanged<HeaderIndex::Transmitting>, bare::sendBar},
        {"room_state_radio", valueChanged<at(Block::Room, 0)>, [](VoiceClient& v) { bare::roomState(v, 0); }},
        {"room_state_free", valueChanged<at(Block::Room, FreeChannel)>,
            [](VoiceClient& v) { bare::roomState(v, FreeChannel); }},
        {"send_activity", valueChanged<at(Block::SendActivity, FreeChannel)>,
            [](VoiceClient& v) { bare::sendActivity(v, FreeChannel); }},
        {"receive_activity", valueChanged<at(Block::ReceiveActivity, FreeChannel)>,
            [](VoiceClient& v) { bare::receiveActivity(v, FreeChannel); }},
        {"receive_mute_radio", valueChanged<at(Block::ReceiveMute, 0)>, bare::radios},
        {"receive_mute_free", valueChanged<at(Block::ReceiveMute, FreeChannel)>,
            [](VoiceClient& v) { bare::oneValue(v, at(Block::ReceiveMute, FreeChannel)); }},
        {"transmit_mute_radio", valueChanged<at(Block::TransmitMute, 1)>, bare::radios},
        {"transmit_mute_free", valueChanged<at(Block::TransmitMute, FreeChannel)>,
            [](VoiceClient& v) { bare::oneValue(v, at(Block::TransmitMute, FreeChannel)); }},
        {"priority", valueChanged<at(Block::Priority, FreeChannel)>,
            [](VoiceClient& v) { bare::oneValue(v, at(Block::Priority, FreeChannel)); }},
        {"no_branch", valueChanged<5>, [](VoiceClient&) {}},
        {"binding",
            [](TOKA& panel) -> Handler::Action {
                return [&sink = panel.eventSink()] { sink.receive({VoiceEvent::Kind::ObjectCreated, Handle}); };
            },
            bare::binding},
        {"priority_click", click<PriorityChannel>,
            [](VoiceClient& v) { bare::flip(v, at(Block::Priority, FreeChannel)); }},
        {"room_status_click", click<RoomStatus>, bare::connectRequest},
    };
    return all;
}

// A few runs of a handler and of its companion, each on a fresh recorded
// rig, must make the same calls; the first difference is printed.
bool sameCalls(const Handler& handler)
{
    constexpr int Runs = 3;
    Rig panelRig(Rig::Client::Recording, Slots);
    Rig bareRig(Rig::Client::Recording, Slots);
    const Handler::Action act = handler.panel(panelRig.panel);
    for (int run = 0; run < Runs; ++run) {
        act();
        handler.bare(bareRig.voice);
    }
    const std::vector<std::string> panel = panelRig.log.take();
    const std::vector<std::string> bare = bareRig.log.take();
    if (panel == bare)
        return true;
    std::size_t line = 0;
    while (line < panel.size() && line < bare.size() && panel[line] == bare[line])
        ++line;
    const auto shown = [&](const std::vector<std::string>& lines) {
        return line < lines.size() ? lines[line] : std::string("(no more calls)");
    };
    std::cerr << handler.name << ": the bare calls differ from the panel's at call " << line + 1
              << "\n  panel: " << shown(panel) << "\n  bare:  " << shown(bare) << '\n';
    return false;
}

// CPU time of this thread: what the scheduler gives to other programs on a
// busy machine is not counted.
std::chrono::nanoseconds threadTime()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

// Runs per batch: enough for the bare calls to take some 50 µs, beside which
// reading the clock is nothing; even, so that a toggling command comes back
// to where it began.
int batchSize(const Handler& handler, VoiceClient& voice)
{
    constexpr auto Enough = std::chrono::microseconds(50);
    constexpr int Most = 1 << 20;
    int runs = 2;
    for (;;) {
        const auto start = threadTime();
        for (int run = 0; run < runs; ++run)
            handler.bare(voice);
        if (threadTime() - start >= Enough || runs >= Most)
            return runs;
        runs *= 2;
    }
}

// One iteration times a batch of panel runs, then a batch of bare runs on the
// same client; the counters give each per run and their ratio.
void BM_PanelVersusBare(benchmark::State& state, const Handler& handler, Rig::Client client)
{
    const bool callsAny = [&] {
        Rig probe(Rig::Client::Recording, Slots);
        handler.bare(probe.voice);
        return !probe.log.lines().empty();
    }();
    Rig rig(client, Slots);
    const Handler::Action act = handler.panel(rig.panel);
    const int batch = batchSize(handler, rig.voice);
    rig.log.take();
    std::chrono::nanoseconds panelTime{};
    std::chrono::nanoseconds bareTime{};
    for (auto _ : state) {
        const auto start = threadTime();
        for (int run = 0; run < batch; ++run)
            act();
        const auto middle = threadTime();
        for (int run = 0; run < batch; ++run)
            handler.bare(rig.voice);
        const auto end = threadTime();
        panelTime += middle - start;
        bareTime += end - middle;
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        rig.log.take();
    }
    const double runs = static_cast<double>(state.iterations()) * batch;
    const double panelNs = static_cast<double>(panelTime.count()) / runs;
    const double bareNs = static_cast<double>(bareTime.count()) / runs;
    state.counters["panel_ns"] = panelNs;
    state.counters["bare_ns"] = bareNs;
    // An index without a branch makes no call: there is nothing to divide by.
    if (callsAny)
        state.counters["ratio"] = panelNs / bareNs;
}

// The binding costs the same whatever the slot count.
void BM_BindWithFullRefresh(benchmark::State& state)
{
    Rig rig(Rig::Client::Plain, static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state)
        rig.panel.eventSink().receive({VoiceEvent::Kind::ObjectCreated, Handle});
}
BENCHMARK(BM_BindWithFullRefresh)->Arg(3)->Arg(1'000)->Arg(10'000'000);

} // namespace

int main(int argc, char** argv)
{
    bool allSame = true;
    for (const Handler& handler : handlers())
        allSame = sameCalls(handler) && allSame;
    if (!allSame)
        return 1;
    for (const Handler& handler : handlers()) {
        for (const auto& [suffix, client] :
            {std::pair{"plain", Rig::Client::Plain}, std::pair{"recording", Rig::Client::Recording}}) {
            benchmark::RegisterBenchmark((std::string("BM_PanelVersusBare/") + handler.name + "/" + suffix).c_str(),
                BM_PanelVersusBare, handler, client)
                ->UseManualTime()
                ->Repetitions(7)
                ->ReportAggregatesOnly()
                ->MinTime(0.05);
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
