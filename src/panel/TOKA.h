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

/// The outside components a panel is wired to; each must outlive the panel.
struct TokaEnvironment {
    VoiceClient& voice; ///< The voice client the panel drives.
    DockFrame& dockFrame; ///< The docking host, asked to close the panel.
    SettingsStore& settings; ///< Where the remembered rooms are kept.
    WindowSystem& windows; ///< Shapes, moves and closes the host window.
    Clock& clock; ///< Drives the panel's timers.
    /// Where the panel's texts come from, asked once when the panel is made
    /// (English unless the host gives its own).
    const TextCatalogue& texts = TextCatalogue::english();
};

/// The panel's fields as the host and scripts see them: the host window, its
/// region, the bound voice object's handle and layout (0 until one is bound;
/// the layout keeps its last values after unbinding).
struct TokaFields {
    std::int32_t HostinghWnd = 0; ///< The host window's handle (TOKA::HostinghWnd()).
    std::int32_t WindowRegion = 0; ///< The rounded region made for the host window.
    std::int32_t RoomCount = 0; ///< The room slots shown, at most three.
    std::int32_t SlotCount = 0; ///< The voice object's slots per block (its property 0).
    std::int32_t FirstIndex = 0; ///< Where the first block starts (its property 1).
    std::int32_t NameBase = 0; ///< Index of slot 0's room name.
    std::int32_t InfoBase = 0; ///< Index of slot 0's information text.
    std::int32_t StateBase = 0; ///< Index of slot 0's connection state.
    std::int32_t SpeakerBase = 0; ///< Index of slot 0's speaker routing.
    std::int32_t ReceiveBase = 0; ///< Index of slot 0's receive flag (not muted).
    std::int32_t TransmitBase = 0; ///< Index of slot 0's transmit flag.
    std::int32_t RecvActivityBase = 0; ///< Index of slot 0's receive activity.
    std::int32_t SendActivityBase = 0; ///< Index of slot 0's send activity.
    std::int32_t PriorityBase = 0; ///< Index of slot 0's priority flag.
    std::int32_t VoiceHandle = 0; ///< The bound voice object's handle; 0 when none is bound.

    /// Every field equal.
    bool operator==(const TokaFields&) const = default;
};

/// The voice panel: three room slots (COMM1, COMM2, a free channel), their
/// state, activity, mute, priority and speaker routing, the radios, and the
/// remembered rooms. It drives the voice client through its locks, numbered
/// properties and events; the docking host talks to it through the members
/// below, the user through the controls of its form
/// (form().at("RoomStatus", 2).click()). Everything runs on the thread that
/// hosts it.
///
/// The panel registers itself as its voice client's event sink when it is
/// made. Its handlers never run inside one another on account of the voice
/// client: an event raised while one runs (start-up, input, a host call, a
/// timer tick, another event), even from inside a call the panel makes, waits
/// until the outermost handler has returned, then runs, in the order raised.
/// None is dropped, also when a handler fails: its caller gets the first
/// error once the waiting events have run. Once shut down, the panel drops
/// every event.
///
/// Errors of the voice client, the dock frame, the window system and the
/// settings store reach the caller of the member or handler that met them;
/// the shutdown ignores them.
class NORVOUITOKA_EXPORT TOKA final {
public:
    /// The panel's name to its docking host (DockFrame::ClosePanel()).
    static constexpr const char* ProgID = "NorvoUITOKA.TOKA";
    ///@{
    /// Where the remembered rooms are kept in the settings store: the
    /// application and section (keys CHANNEL0, CHANNEL1, ...).
    static constexpr const char* SettingsApplication = "NORVOUITOKA";
    static constexpr const char* SettingsSection = "PRIVATE";
    ///@}
    ///@{
    /// The form's size before the host sizes the panel, in pixels.
    static constexpr std::int32_t DesignWidth = 656;
    static constexpr std::int32_t DesignHeight = 242;
    ///@}

    /// Builds the form at its design size; no outside call is made yet.
    explicit TOKA(const TokaEnvironment& environment);
    /// Runs the shutdown when the start-up ran and the shutdown did not.
    ~TOKA();
    TOKA(const TOKA&) = delete;
    TOKA& operator=(const TOKA&) = delete;

    /// The control's start-up: remembered channels, unbinding, then Attach,
    /// BeginUpdates, RequestRefresh.
    void Initialize();
    /// The control's termination: Detach and the region, every error ignored.
    void Terminate() noexcept;

    /// The dock frame the panel was given; this and the members down to
    /// Quit make the docking host's interface.
    DockFrame& Dockframe();
    /// The host window's handle: the panel gives it its rounded region and
    /// drags it when the user presses the mouse on the panel's background.
    void HostinghWnd(std::int32_t window);
    /// False while the user is typing a room name.
    bool CanDeactivate() const;
    /// The panel's size in pixels, the same whatever side; always true.
    bool Sizing(std::int32_t side, std::int32_t& pWidth, std::int32_t& pHeight);
    ///@{
    /// What the panel is to its docking host: never activated, no title bar,
    /// not sizeable, closeable.
    bool Activated() const { return false; }
    bool HasTitle() const { return false; }
    bool Sizeable() const { return false; }
    bool Closeable() const { return true; }
    ///@}

    /// The container should close the panel: the user closed it while the dock
    /// frame is not hosted (a hosted one is asked to close it instead).
    Signal<> Quit;

    /// The remembered channels cannot be loaded or kept as they are: raised
    /// once for each new problem, before the error of a failed save leaves the
    /// panel. A problem met at start-up is raised before any host can listen,
    /// so settingsProblem() keeps it; a save that goes through clears it.
    Signal<const SettingsProblem&> SettingsProblemFound;
    /// The problem of the remembered channels now, if any.
    const std::optional<SettingsProblem>& settingsProblem() const;

    ///@{
    /// The panel's size as a control, in twips.
    std::int32_t Width() const;
    std::int32_t Height() const;
    ///@}
    /// The container resizes the panel (inner size in pixels); the resize
    /// handler runs.
    void resize(std::int32_t widthPixels, std::int32_t heightPixels);

    /// The panel's fields now.
    TokaFields fields() const;
    /// The form and its controls, by name and index (`form().at("RoomStatus",
    /// 2)`): what a front end shows and where the user's input goes.
    Form& form();
    /// \overload
    const Form& form() const;

    /// The sink the panel gave its voice client. A host that carries the
    /// client's events from other threads hands them here, on the panel's
    /// thread.
    VoiceEventSink& eventSink();

private:
    friend class TokaPrivate;
    const std::unique_ptr<TokaPrivate> d;
};

} // namespace norvo
