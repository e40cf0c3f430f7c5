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
// the user's settings file and Qt windows, shown by real widgets. The host
// passes the voice client and dock-frame client, which must outlive the
// widget; the panel starts up when the widget is created and shuts down when
// it is destroyed. The voice client may raise its events from any of its
// threads. The host talks to the panel itself (panel(): Sizing,
// CanDeactivate, ...); the widget only shows it.
class NORVOUITOKA_QT_EXPORT TokaWidget : public QWidget {
    Q_OBJECT

public:
    TokaWidget(VoiceClient& voice, DockFrame& dockFrame, QWidget* parent = nullptr);
    // With a settings store of the host's choosing.
    TokaWidget(
        VoiceClient& voice, DockFrame& dockFrame, std::unique_ptr<SettingsStore> settings, QWidget* parent = nullptr);
    ~TokaWidget() override;

    // The panel, and through it the docking host's interface.
    norvo::TOKA& panel();
    // Registers the host window (WindowRegistry::global()) and gives the
    // panel its handle (HostinghWnd); returns the handle.
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
    void followForm(QSize size);

    const std::unique_ptr<TokaWidgetPrivate> d;
};

} // namespace norvo::qt
