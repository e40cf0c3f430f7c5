#pragma once

#include <NorvoUITOKA/norvouitoka_quick_export.h>
#include <NorvoUITOKA/platform/SettingsStore.h>

#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

#include <memory>

namespace norvo {
class DockFrame;
class TOKA;
class VoiceClient;
} // namespace norvo

namespace norvo::qt {

class SimulatedNetwork;
class TokaPanelPrivate;

/// The voice panel as a Qt Quick item: the core panel on Qt timers, the
/// user's settings file and the window it is shown in, painted as the Widgets
/// panel is. Made without a voice client it shows the panel unbound (the
/// radios captioned COMM1 and COMM2, no rooms); the panel's start-up runs once
/// the item is complete and has a client, and another client (or none) shuts
/// that panel down first, as does the item's end. From C++ a host gives the
/// client, dock frame and settings store through the setters; in QML a
/// SimulatedNetwork stands in for the client. The client may raise its events
/// from any of its threads. The item takes the panel's size (implicitWidth,
/// implicitHeight), which a QML-made item asks of the panel (Sizing) once
/// complete; a size the host gives it is passed on to the panel.
class NORVOUITOKA_QUICK_EXPORT TokaPanel : public QQuickItem {
    Q_OBJECT
    QML_ELEMENT
    /// A simulated network to try the panel on; its client is the panel's.
    Q_PROPERTY(norvo::qt::SimulatedNetwork* network READ network WRITE setNetwork NOTIFY networkChanged)
    /// Whether the window the item is in is the panel's own: it takes the
    /// panel's rounded outline and moves when the panel is dragged.
    Q_PROPERTY(bool ownsWindow READ ownsWindow WRITE setOwnsWindow NOTIFY ownsWindowChanged)

public:
    /// An unbound panel until it is given a voice client or a network.
    explicit TokaPanel(QQuickItem* parent = nullptr);
    ~TokaPanel() override;

    /// The panel shown, and through it the docking host's interface; another
    /// panel once another client is given.
    norvo::TOKA& panel();
    /// The voice client the panel drives; nullptr while unbound.
    VoiceClient* voiceClient() const;
    /// The client must outlive the item or be taken back (nullptr) first.
    void setVoiceClient(VoiceClient* voice);
    /// Without one (or with nullptr) the panel closes itself by quit().
    void setDockFrame(DockFrame* dockFrame);
    /// Takes effect at once: a running panel starts again on the new store.
    void setSettings(std::unique_ptr<SettingsStore> settings);

    /// The simulated network given, if any.
    SimulatedNetwork* network() const;
    /// Binds the panel to the network's client (nullptr: unbound).
    void setNetwork(SimulatedNetwork* network);
    /// Whether the item's window is the panel's own (see the property).
    bool ownsWindow() const;
    /// Gives the window the panel's outline and drag, or takes them back.
    void setOwnsWindow(bool owns);

signals:
    /// The panel asks its container to close it.
    void quit();
    /// The remembered channels cannot be loaded or kept: the file and a
    /// sentence for the user. Sent from the event loop.
    void settingsProblem(const QString& file, const QString& message);
    /// The network property changed.
    void networkChanged();
    /// The ownsWindow property changed.
    void ownsWindowChanged();

protected:
    /// Starts the panel once the item is complete, if it has a client.
    void componentComplete() override;
    /// Tab with none of the panel's controls focused goes to its first stop
    /// (Shift+Tab: to its last); other keys go on to the parent.
    void keyPressEvent(QKeyEvent* event) override;
    /// A size the host gives the item is passed on to the panel.
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
    /// Gives a new window the panel's host window handle.
    void itemChange(ItemChange change, const ItemChangeData& value) override;

private:
    friend class TokaPanelPrivate;
    const std::unique_ptr<TokaPanelPrivate> d;
};

} // namespace norvo::qt
