#pragma once

#include <NorvoUITOKA/norvouitoka_qt_export.h>
#include <NorvoUITOKA/platform/SettingsStore.h>

#include <QWidget>

#include <cstdint>
#include <memory>

namespace norvo {
class DockFrame;
class TOKA;
class VoiceClient;
} // namespace norvo

namespace norvo::qt {

class TokaWidgetPrivate;

// The voice panel as a widget for a Qt host: the core panel on Qt timers,
// the user's settings file and Qt windows, shown by real widgets. Made with a
// parent only (in a form designer, say), it shows the panel unbound (the
// radios captioned COMM1 and COMM2, no rooms) until it is given a voice
// client: the panel's start-up runs then, once; another client (or none)
// shuts that panel down first, and so does the widget's end. The voice client
// and the dock frame must outlive the widget or be taken back first; the
// client may raise its events from any of its threads. The host talks to the
// panel itself (panel(): Sizing, CanDeactivate, ...); the widget only shows
// it.
class NORVOUITOKA_QT_EXPORT TokaWidget : public QWidget {
    Q_OBJECT

public:
    explicit TokaWidget(QWidget* parent = nullptr);
    // Started at once on the client, with the host's dock frame.
    TokaWidget(VoiceClient& voice, DockFrame& dockFrame, QWidget* parent = nullptr);
    // With a settings store of the host's choosing.
    TokaWidget(
        VoiceClient& voice, DockFrame& dockFrame, std::unique_ptr<SettingsStore> settings, QWidget* parent = nullptr);
    ~TokaWidget() override;

    // The panel shown, and through it the docking host's interface; another
    // panel once another client is given.
    norvo::TOKA& panel();
    VoiceClient* voiceClient() const;
    void setVoiceClient(VoiceClient* voice);
    // Without one (or with nullptr) the panel closes itself by quit().
    void setDockFrame(DockFrame* dockFrame);
    // Takes effect at once: a running panel starts again on the new store.
    void setSettings(std::unique_ptr<SettingsStore> settings);
    // Registers the host window (WindowRegistry::global()) and gives every
    // panel of this widget its handle (HostinghWnd); returns the handle.
    std::int32_t setHostWindow(QWidget* window);

    QSize sizeHint() const override;

signals:
    // The panel asks its container to close it.
    void quit();
    // The remembered channels cannot be loaded or kept (panel().
    // settingsProblem() has the details): the file and a sentence for the
    // user. Sent from the event loop, so that a host that connects right
    // after creating the widget also hears of a problem met at start-up.
    void settingsProblem(const QString& file, const QString& message);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class TokaWidgetPrivate;
    // The panel decides its size (Sizing); the widget takes it on.
    void followForm(QSize size);

    const std::unique_ptr<TokaWidgetPrivate> d;
};

} // namespace norvo::qt
