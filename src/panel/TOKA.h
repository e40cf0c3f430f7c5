#pragma once

#include <NorvoUITOKA/host/DockFrame.h>
#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/platform/Clock.h>
#include <NorvoUITOKA/platform/Form.h>
#include <NorvoUITOKA/platform/SettingsStore.h>
#include <NorvoUITOKA/platform/Signal.h>
#include <NorvoUITOKA/platform/TextCatalogue.h>
#include <NorvoUITOKA/platform/WindowSystem.h>
#include <NorvoUITOKA/voice/VoiceClient.h>
#include <NorvoUITOKA/voice/VoiceEventSink.h>

#include <cstdint>
#include <memory>
#include <optional>

namespace norvo {

class TokaPrivate;

// The outside components a panel is wired to; each must outlive the panel.
// The panel asks the catalogue for its texts once, when it is made (English
// unless the host gives its own).
struct TokaEnvironment {
    VoiceClient& voice;
    DockFrame& dockFrame;
    SettingsStore& settings;
    WindowSystem& windows;
    Clock& clock;
    const TextCatalogue& texts = TextCatalogue::english();
};

// The panel's fields as the host and scripts see them: the host window, its
// region, the bound voice object's handle and layout (0 until one is bound;
// the layout keeps its last values after unbinding).
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
// below, the user through the controls of its form
// (form().at("RoomStatus", 2).click()). Everything runs on the thread that
// hosts it.
//
// The panel registers itself as its voice client's event sink when it is
// made. Its handlers never run inside one another on account of the voice
// client: an event raised while one runs (start-up, input, a host call, a
// timer tick, another event), even from inside a call the panel makes, waits
// until the outermost handler has returned, then runs, in the order raised.
// None is dropped, also when a handler fails: its caller gets the first
// error once the waiting events have run. Once shut down, the panel drops
// every event.
//
// Errors of the voice client, the dock frame, the window system and the
// settings store reach the caller of the member or handler that met them;
// the shutdown ignores them.
class NORVOUITOKA_EXPORT TOKA final {
public:
    static constexpr const char* ProgID = "NorvoUITOKA.TOKA";
    // Where the remembered rooms are kept in the settings store.
    static constexpr const char* SettingsApplication = "NORVOUITOKA";
    static constexpr const char* SettingsSection = "PRIVATE";
    // The form's size before the host sizes the panel, in pixels.
    static constexpr std::int32_t DesignWidth = 656;
    static constexpr std::int32_t DesignHeight = 242;

    // Builds the form at its design size; no outside call is made yet.
    explicit TOKA(const TokaEnvironment& environment);
    // Runs the shutdown when the start-up ran and the shutdown did not.
    ~TOKA();
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
    // False while the user is typing a room name.
    bool CanDeactivate() const;
    // The panel's size in pixels, the same whatever side; always true.
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
    const std::optional<SettingsProblem>& settingsProblem() const;

    // The panel's size as a control, in twips.
    std::int32_t Width() const;
    std::int32_t Height() const;
    // The container resizes the panel (inner size in pixels); the resize
    // handler runs.
    void resize(std::int32_t widthPixels, std::int32_t heightPixels);

    TokaFields fields() const;
    Form& form();
    const Form& form() const;

    // The sink the panel gave its voice client. A host that carries the
    // client's events from other threads hands them here, on the panel's
    // thread.
    VoiceEventSink& eventSink();

private:
    friend class TokaPrivate;
    const std::unique_ptr<TokaPrivate> d;
};

} // namespace norvo
