#pragma once

#include <NorvoUITOKA/norvouitoka_qtcommon_export.h>

#include "host/StandaloneDockFrame.h"
#include "panel/TOKA.h"
#include "qt/common/QtClock.h"
#include "qt/common/ThreadSafeEventSink.h"

#include <QObject>
#include <QString>

#include <memory>

namespace norvo::qt {

// A panel on Qt, as a host of either front end holds it: made with nothing
// but its window system, it shows the panel unbound (the radios captioned
// COMM1 and COMM2, no rooms) on a voice client that holds nothing, and starts
// the real panel once it is given a voice client: that panel's start-up runs
// then, once. Another client, or none, shuts the running panel down first; so
// does the session's end. The voice client may raise its events from any
// thread (a ThreadSafeEventSink carries them to this one). The dock frame may
// be given at any time (none: the panel quits by its Quit signal); the
// settings store (the user's settings file unless given) before the client,
// or the running panel starts again on it.
class NORVOUITOKA_QTCOMMON_EXPORT PanelSession final : public QObject {
    Q_OBJECT

public:
    // With the given client (none: the unbound panel), dock frame and
    // settings store (none: the user's settings file).
    explicit PanelSession(WindowSystem& windows, VoiceClient* voice = nullptr, DockFrame* dockFrame = nullptr,
        std::unique_ptr<SettingsStore> settings = nullptr, QObject* parent = nullptr);
    ~PanelSession() override;

    // The panel shown now; another one after panelReplaced().
    norvo::TOKA& panel() { return *panel_; }
    VoiceClient* voiceClient() const { return voice_; }
    // The client must outlive the session, or be taken back (nullptr) first.
    void setVoiceClient(VoiceClient* voice);
    void setDockFrame(DockFrame* dockFrame);
    void setSettings(std::unique_ptr<SettingsStore> settings);
    // The host window's handle, which every panel of the session is given.
    void setHostWindow(std::int32_t handle);

signals:
    // A new panel took the place of the one shown: a view shows its form.
    void panelReplaced();
    // The panel asks its container to close it.
    void quit();
    // The remembered channels cannot be loaded or kept: the file and a
    // sentence for the user. Sent from the event loop, so that a host that
    // connects right after giving the client also hears of a problem met at
    // start-up.
    void settingsProblem(const QString& file, const QString& message);

private:
    // The dock frame the panel talks to: the host's, or a stand-alone one.
    class DockFrameLink final : public DockFrame {
    public:
        DockFrame* target = nullptr;
        bool IsHosted() override { return current().IsHosted(); }
        void ClosePanel(const std::string& progId) override { current().ClosePanel(progId); }

    private:
        DockFrame& current() { return target ? *target : standalone_; }
        StandaloneDockFrame standalone_;
    };

    // Shuts the running panel down and starts the next one, of the client
    // given (or, without one, the unbound one), at the size the last one had.
    void replacePanel();
    void stopPanel() noexcept;

    WindowSystem& windows_;
    QtClock clock_;
    std::unique_ptr<SettingsStore> settings_;
    DockFrameLink dockFrame_;
    std::unique_ptr<VoiceClient> unbound_;
    VoiceClient* voice_ = nullptr;
    std::int32_t hostWindow_ = 0;
    std::unique_ptr<norvo::TOKA> panel_;
    std::unique_ptr<ThreadSafeEventSink> events_;
};

} // namespace norvo::qt
