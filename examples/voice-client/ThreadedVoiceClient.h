#pragma once

#include <NorvoUITOKA/voice/VoiceClient.h>
#include <NorvoUITOKA/voice/VoiceEventSink.h>

#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>

// A voice client with a thread of its own, as a real one has for its network:
// it holds one voice object with three rooms, and its worker thread announces
// the pilot and the object after RequestRefresh, then brings traffic into the
// COM1 room every half second, raising an event for each change.
//
// The worker raises events on its own thread: it hands them to the sink the
// panel's widget gave it (a norvo::qt::ThreadSafeEventSink), which carries
// them over to the panel's thread.
class ThreadedVoiceClient : public norvo::VoiceClient {
public:
    ThreadedVoiceClient();
    ~ThreadedVoiceClient() override;

    void setEventSink(norvo::VoiceEventSink* sink) override;
    void Attach() override;
    void BeginUpdates() override { }
    void RequestRefresh() override;
    void Detach() override;

    // The lock calls take the client's own mutex: a value never changes
    // while the panel reads it.
    bool LockMainPilotUser(std::int32_t) override;
    void UnlockMainPilotUser() override { data_.unlock(); }
    std::string ReceiveRadio() override { return receive_; }
    std::string TransmitRadio() override { return transmit_; }
    std::string Com1Frequency() override { return "122.800"; }
    std::string Com2Frequency() override { return "121.900"; }
    void SetReceiveBoth(bool both) override { receive_ = both ? "B" : transmit_; }
    void SetTransmitRadio(std::int32_t radio) override { transmit_ = std::to_string(radio); }

    bool LockObject(std::int32_t& handle) override;
    void UnlockObject() override { data_.unlock(); }
    std::string ObjectType() override { return "VOICE"; }
    std::string ObjectName() override { return "TOKA"; }
    std::string GetString(std::int32_t index) override { return texts_[index]; }
    void SetString(std::int32_t index, const std::string& value) override { texts_[index] = value; }
    std::int32_t GetLong(std::int32_t index) override { return longs_[index]; }
    void SetLong(std::int32_t index, std::int32_t value) override;

private:
    static constexpr std::int32_t Handle = 1;

    void work();
    // Hands the event to the sink, if any, under sinkMutex_: setEventSink
    // waits for it.
    void raise(const norvo::VoiceEvent& event);

    // The voice object and the pilot, guarded by data_.
    std::mutex data_;
    std::map<std::int32_t, std::int32_t> longs_;
    std::map<std::int32_t, std::string> texts_;
    std::string receive_ = "1";
    std::string transmit_ = "1";

    std::mutex sinkMutex_;
    norvo::VoiceEventSink* sink_ = nullptr;

    // The worker's orders.
    std::mutex orders_;
    std::condition_variable wake_;
    bool announce_ = false;
    bool stop_ = false;
    std::thread worker_;
};
