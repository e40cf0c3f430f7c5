#include "ThreadedVoiceClient.h"

#include <chrono>
#include <utility>

// The voice object's layout: 3 rooms, blocks from index 7 (room state and
// name 7..9, information 10..12, ..., receive activity 19..21).
namespace {
constexpr std::int32_t FirstRoom = 7;
constexpr std::int32_t FirstInfo = 10;
constexpr std::int32_t Com1Activity = 19;
using Kind = norvo::VoiceEvent::Kind;
} // namespace

ThreadedVoiceClient::ThreadedVoiceClient()
{
    longs_[0] = 3; // slots
    longs_[1] = FirstRoom;
    longs_[2] = 1; // voice enabled
    longs_[3] = 1; // speaker routing available
    longs_[FirstRoom] = 2; // COM1 room connected
    texts_[FirstRoom] = "EDDF_TWR";
    texts_[FirstInfo] = "Frankfurt Tower\r\n119.900";
}

ThreadedVoiceClient::~ThreadedVoiceClient() { Detach(); }

void ThreadedVoiceClient::setEventSink(norvo::VoiceEventSink* sink)
{
    const std::lock_guard lock(sinkMutex_);
    sink_ = sink;
}

void ThreadedVoiceClient::raise(const norvo::VoiceEvent& event)
{
    const std::lock_guard lock(sinkMutex_);
    if (sink_)
        sink_->receive(event);
}

void ThreadedVoiceClient::Attach()
{
    if (!worker_.joinable())
        worker_ = std::thread([this] { work(); });
}

void ThreadedVoiceClient::RequestRefresh()
{
    const std::lock_guard lock(orders_);
    announce_ = true;
    wake_.notify_one();
}

void ThreadedVoiceClient::Detach()
{
    {
        const std::lock_guard lock(orders_);
        stop_ = true;
        wake_.notify_one();
    }
    if (worker_.joinable())
        worker_.join();
}

bool ThreadedVoiceClient::LockMainPilotUser(std::int32_t)
{
    data_.lock();
    return true;
}

bool ThreadedVoiceClient::LockObject(std::int32_t& handle)
{
    if (handle != Handle)
        return false;
    data_.lock();
    return true;
}

void ThreadedVoiceClient::SetLong(std::int32_t index, std::int32_t value)
{
    // A room asked for (1) connects at once in this client.
    const bool roomState = index >= FirstRoom && index < FirstRoom + 3;
    longs_[index] = roomState && value == 1 ? 2 : value;
}

void ThreadedVoiceClient::work()
{
    for (;;) {
        bool announce = false;
        {
            std::unique_lock orders(orders_);
            wake_.wait_for(orders, std::chrono::milliseconds(500), [this] { return stop_ || announce_; });
            if (stop_)
                return;
            announce = std::exchange(announce_, false);
        }
        if (announce) {
            raise({Kind::MainPilotUserCreated});
            raise({Kind::ObjectCreated, Handle});
            continue;
        }
        {
            const std::lock_guard data(data_);
            longs_[Com1Activity] = longs_[Com1Activity] == 0 ? 1 : 0;
        }
        raise({Kind::ObjectValueChanged, Handle, Com1Activity});
    }
}
