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

/// The voice panel as a widget for a Qt host: the core panel (norvo::TOKA)
/// on Qt timers, the user's settings file and Qt windows, shown by real
/// widgets.
///
/// Made with a parent only (by a form from Qt Designer, say), it shows the
/// panel unbound (the radios captioned COMM1 and COMM2, no rooms) until it is
/// given a voice client: the panel's start-up runs then, once; another client
/// (or none) shuts that panel down first, and so does the widget's end. The
/// voice client and the dock frame must outlive the widget or be taken back
/// first; the client may raise its events from any of its threads. The host
/// talks to the panel itself (panel(): Sizing, CanDeactivate, ...); the widget
/// only shows it, at the size the panel decides.
///
/// \code
/// auto* toka = new norvo::qt::TokaWidget(hostWindow);
/// toka->setHostWindow(hostWindow);
/// toka->setDockFrame(&dockFrame);
/// toka->setVoiceClient(&voiceClient); // the panel starts here
/// QObject::connect(toka, &norvo::qt::TokaWidget::quit, hostWindow, &QWidget::close);
/// \endcode
class NORVOUITOKA_QT_EXPORT TokaWidget : public QWidget {
    Q_OBJECT
    /// The file of the remembered channels; empty for the user's settings
    /// file (see setSettingsFile()).
    Q_PROPERTY(QString settingsFile READ settingsFile WRITE setSettingsFile)

public:
    /// The unbound panel, waiting for a voice client.
    explicit TokaWidget(QWidget* parent = nullptr);
    /// Started at once on the client, with the host's dock frame.
    TokaWidget(VoiceClient& voice, DockFrame& dockFrame, QWidget* parent = nullptr);
    /// Started at once, with a settings store of the host's choosing.
    TokaWidget(
        VoiceClient& voice, DockFrame& dockFrame, std::unique_ptr<SettingsStore> settings, QWidget* parent = nullptr);
    /// Shuts the running panel down.
    ~TokaWidget() override;

    /// The panel shown, and through it the docking host's interface; another
    /// panel once another client is given.
    norvo::TOKA& panel();
    /// The voice client the panel runs on; nullptr while unbound.
    VoiceClient* voiceClient() const;
    /// Shuts the running panel down, if any, and starts one on the client;
    /// nullptr leaves the panel unbound.
    void setVoiceClient(VoiceClient* voice);
    /// The host's dock frame; without one (or with nullptr) the panel asks
    /// for its closing by quit().
    void setDockFrame(DockFrame* dockFrame);
    /// The store of the remembered channels (nullptr: the user's settings
    /// file). Takes effect at once: a running panel starts again on the new
    /// store.
    void setSettings(std::unique_ptr<SettingsStore> settings);
    /// The file given to setSettingsFile(); empty for the user's settings
    /// file or a store given to setSettings().
    QString settingsFile() const;
    /// The remembered channels in this file (QtSettingsStore::forFile()), or
    /// with an empty name in the user's settings file; takes effect at once,
    /// as setSettings() does.
    void setSettingsFile(const QString& file);
    /// Makes the window the host window of every panel of this widget (the
    /// one the panel shapes and drags) and returns the handle the
    /// panel knows it by (TOKA::HostinghWnd()).
    std::int32_t setHostWindow(QWidget* window);

    /// The panel's size.
    QSize sizeHint() const override;

signals:
    /// The panel asks its container to close it.
    void quit();
    /// The remembered channels cannot be loaded or kept (panel().
    /// settingsProblem() has the details): the file and a sentence for the
    /// user. Sent from the event loop, so that a host that connects right
    /// after creating the widget also hears of a problem met at start-up.
    void settingsProblem(const QString& file, const QString& message);

protected:
    /// A size given by the host's layout is passed on to the panel, which
    /// may keep its own.
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class TokaWidgetPrivate;
    /// The panel decides its size (Sizing); the widget takes it on.
    void followForm(QSize size);

    const std::unique_ptr<TokaWidgetPrivate> d;
};

} // namespace norvo::qt
