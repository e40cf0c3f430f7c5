#pragma once

#include <NorvoUITOKA/host/DockFrame.h>
#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/panel/DeferredEvents.h>
#include <NorvoUITOKA/panel/ShownTooltip.h>
#include <NorvoUITOKA/platform/Clock.h>
#include <NorvoUITOKA/platform/Form.h>
#include <NorvoUITOKA/platform/SettingsStore.h>
#include <NorvoUITOKA/platform/Signal.h>
#include <NorvoUITOKA/platform/WindowSystem.h>
#include <NorvoUITOKA/voice/VoiceClient.h>
#include <NorvoUITOKA/voice/VoiceEventReceiver.h>
#include <NorvoUITOKA/voice/VoiceObjectLayout.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace norvo {

class ComboBox;
class UserLabel;
class UserLabelGraph;

// The outside components a panel is wired to.
struct TokaEnvironment {
    VoiceClient& voice;
    DockFrame& dockFrame;
    SettingsStore& settings;
    WindowSystem& windows;
    Clock& clock;
};

// The panel's fields as the host and scripts see them: the host window, its
// region, the bound voice object's handle and layout.
struct TokaFields {
    std::int32_t HostinghWnd = 0;
    std::int32_t WindowRegion = 0;
    std::int32_t RoomCount = 0;
    std::int32_t SlotCount = 0;
    std::int32_t FirstIndex = 0;
    std::int32_t NameBase = 0;
    std::int32_t InfoBase = 0;
    std::int32_t StateBase = 0;
    std::int32_t SpeakerBase = 0;
    std::int32_t ReceiveBase = 0;
    std::int32_t TransmitBase = 0;
    std::int32_t RecvActivityBase = 0;
    std::int32_t SendActivityBase = 0;
    std::int32_t PriorityBase = 0;
    std::int32_t VoiceHandle = 0;

    bool operator==(const TokaFields&) const = default;
};

// The voice panel: three room slots (COMM1, COMM2, a free channel), their
// state, activity, mute, priority and speaker routing, the radios, and the
// remembered rooms. It drives the voice client through its locks, numbered
// properties and events; the docking host talks to it through the members
// below. Everything runs on the thread that hosts it.
//
// Its handlers never run inside one another on account of the voice client:
// an event raised while one runs (start-up, input, a host call, a timer tick,
// another event), even from inside a call the panel makes, waits until the
// outermost handler has returned, then runs, in the order raised (see
// DeferredEvents). None is dropped, also when a handler fails: its caller gets
// the first error once the waiting events have run. Once shut down, the panel
// drops every event.
//
// Where each member lives: TOKA.cpp (life cycle, host contract, where the
// voice client's events enter), Binding.cpp, RadioDisplay.cpp,
// RoomDisplay.cpp, Commands.cpp, FrequencyEntry.cpp, ChannelMemory.cpp,
// PanelForm.cpp, Accessibility.cpp.
class NORVOUITOKA_EXPORT TOKA final : public VoiceEventReceiver {
public:
    static constexpr const char* ProgID = "NorvoUITOKA.TOKA";
    static constexpr const char* SettingsApplication = "NORVOUITOKA";
    static constexpr const char* SettingsSection = "PRIVATE";
    static constexpr std::int32_t TwipsPerPixel = 15;
    static constexpr std::int32_t DesignWidth = 656;
    static constexpr std::int32_t DesignHeight = 242;
    // The slots the panel shows; a larger object's other slots are ignored.
    static constexpr std::int32_t ShownSlots = 3;

    // Builds the form at its design size; no outside call is made yet.
    explicit TOKA(const TokaEnvironment& environment);
    // Runs the shutdown when the start-up ran and the shutdown did not.
    ~TOKA() override;
    TOKA(const TOKA&) = delete;
    TOKA& operator=(const TOKA&) = delete;

    // The control's start-up: remembered channels, unbinding, then Attach,
    // BeginUpdates, RequestRefresh.
    void Initialize();
    // The control's termination: Detach and the region, every error ignored.
    void Terminate() noexcept;

    // _TOKA, the docking host's interface.
    DockFrame& Dockframe();
    void HostinghWnd(std::int32_t window);
    bool CanDeactivate() const;
    bool Sizing(std::int32_t side, std::int32_t& pWidth, std::int32_t& pHeight);
    bool Activated() const { return false; }
    bool HasTitle() const { return false; }
    bool Sizeable() const { return false; }
    bool Closeable() const { return true; }

    // __TOKA: the container should close the panel.
    Signal<> Quit;

    // The remembered channels cannot be loaded or kept as they are: raised
    // once for each new problem, before the error of a failed save leaves the
    // panel. A problem met at start-up is raised before any host can listen,
    // so settingsProblem() keeps it; a save that goes through clears it.
    Signal<const SettingsProblem&> SettingsProblemFound;
    const std::optional<SettingsProblem>& settingsProblem() const { return settingsProblem_; }

    // The panel's size as a control, in twips.
    std::int32_t Width() const;
    std::int32_t Height() const;
    // The container resizes the panel (inner size in pixels); the resize
    // handler runs.
    void resize(std::int32_t widthPixels, std::int32_t heightPixels);

    TokaFields fields() const;
    Form& form() { return *form_; }
    const Form& form() const { return *form_; }

    // The voice client's events enter through the Norvo_ members of
    // VoiceEventReceiver, all of them through receive() but the value change,
    // which comes most: it waits or is dropped alike, and otherwise goes
    // straight to its refresh, without the dispatch on the event's kind; the
    // panel's own code runs the reactions directly, never through these.
    void Norvo_ObjectValueChanged(std::int32_t handle, std::int32_t index) override;

    // Input handlers, as the form routes input to them.
    void PriorityChannel_Click(std::int16_t index);
    void ToSpeaker_Click(std::int16_t index);
    void GeneralSpeaker_Click();
    void COMReceive_Click(std::int16_t index);
    void COMTransmit_Click(std::int16_t index);
    void RoomStatus_Click(std::int16_t index);
    void FreqInfo_Click(std::int16_t index);
    void FreqInfo_KeyPress(std::int16_t index, std::int16_t& keyAscii);
    void btnQuit_Click();
    // Mouse-down on a drag surface: moves the host window.
    void dragHostWindow();
    void UserControl_Resize();

private:
    struct Controls;

    // TOKA.cpp
    void receive(const VoiceEvent& event) override;
    void react(const VoiceEvent& event);
    void applyRoundRegion(std::int32_t width, std::int32_t height);
    // Binding.cpp
    // Binds a "VOICE" object named "TOKA" and repaints every property. A
    // layout whose indices do not fit 32 bits raises ArithmeticOverflow once
    // the object is unlocked; the panel then stays exactly as it was.
    void bindVoiceObject(std::int32_t handle);
    // Unbinds when the handle is the bound object's, then hides the rooms
    // unless an object is still bound.
    void forgetVoiceObject(std::int32_t handle);
    void showDisconnected();
    // RadioDisplay.cpp: captions and buttons of both radios.
    void refreshRadios();
    // selection: '1', '2', 'B' (both) or none.
    void showRadioSelection(char selection, bool bound, bool receive);
    // RoomDisplay.cpp: the refresh of one property of the bound object.
    void refreshValue(std::int32_t index);
    void refreshText(std::int32_t index);
    void showVoiceEnabled();
    void showSpeakers();
    void showSendBar();
    void showRoomState(std::int32_t slot, std::int32_t index);
    // A room's activity box, idle while the room is not connected; a receive
    // event also updates the receive bar.
    void showRoomActivity(bool receive, std::int32_t slot, std::int32_t index);
    void showMute(bool receive, std::int32_t slot, std::int32_t index);
    void showPriority(std::int32_t slot, std::int32_t index);
    // A connected slot's information text, read under the caller's object
    // lock; showJoinedRoom also shows the free channel's room name and
    // remembers it.
    void showRoomInfo(std::int32_t slot);
    void showJoinedRoom(std::int32_t slot);
    // Commands.cpp
    // Flips the flag at base + slot under the object lock, then refreshes it.
    void toggleFlag(std::int32_t base, std::int16_t slot);
    void flipFlag(std::int32_t index);
    void radioReceiveCommand(std::int16_t index);
    void radioTransmitCommand(std::int16_t index);
    // Under the object lock while one is bound: flips a radio slot's mute
    // flag, or (toggle false) clears it when set.
    void changeRadioMute(VoiceObjectLayout::Block block, std::int16_t slot, bool toggle);
    // Leaves a connected room, asks for a room that is not.
    void roomCommand(std::int16_t slot);
    // FrequencyEntry.cpp: leaves the free channel's room, then asks for the
    // typed one.
    void joinTypedRoom(std::int16_t slot);
    // ChannelMemory.cpp
    void loadChannels();
    void rememberChannel(ComboBox& box);
    void saveChannels(const ComboBox& box);
    void reportSettingsProblem(const SettingsProblem& problem);
    // PanelForm.cpp
    void buildForm();
    void routeInput();
    void tickAsHandlers(Control& container);
    // Accessibility.cpp: what each control is to assistive technology.
    void describeControls();

    TokaEnvironment env_;
    std::int32_t hostingWindow_ = 0;
    std::int32_t windowRegion_ = 0;
    std::int32_t voiceHandle_ = 0;
    VoiceObjectLayout layout_;
    std::unique_ptr<Form> form_;
    std::unique_ptr<Controls> controls_;
    // Each slot's room tooltip and what it was built from (only slots whose
    // controls exist use theirs).
    std::array<ShownTooltip, ShownSlots> shownTips_;
    // Whether the window accepted the region in windowRegion_: it then
    // belongs to the window and is never deleted here.
    bool regionAccepted_ = false;
    std::optional<SettingsProblem> settingsProblem_;
    DeferredEvents events_{[this](const VoiceEvent& event) { react(event); }};
    // The remembered channels' list and the store as they were right after
    // the list was last saved whole.
    struct SavedChannels {
        std::uint64_t list = 0;
        std::optional<std::uint64_t> store;
        bool operator==(const SavedChannels&) const = default;
    };
    std::optional<SavedChannels> savedChannels_;
    bool initialized_ = false;
    bool terminated_ = false;
};

} // namespace norvo
