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

// The voice panel as a Qt Quick item: the core panel on Qt timers, the
// user's settings file and the window it is shown in, painted as the Widgets
// panel is. Made without a voice client it shows the panel unbound (the
// radios captioned COMM1 and COMM2, no rooms); the panel's start-up runs once
// the item is complete and has a client, and another client (or none) shuts
// that panel down first, as does the item's end. From C++ a host gives the
// client, dock frame and settings store through the setters; in QML a
// SimulatedNetwork stands in for the client. The client may raise its events
// from any of its threads. The item takes the panel's size (implicitWidth,
// implicitHeight), which a QML-made item asks of the panel (Sizing) once
// complete; a size the host gives it is passed on to the panel.
class NORVOUITOKA_QUICK_EXPORT TokaPanel : public QQuickItem {
    Q_OBJECT
    QML_ELEMENT
    // A simulated network to try the panel on; its client is the panel's.
    Q_PROPERTY(norvo::qt::SimulatedNetwork* network READ network WRITE setNetwork NOTIFY networkChanged)
    // Whether the window the item is in is the panel's own: it takes the
    // panel's rounded outline and moves when the panel is dragged.
    Q_PROPERTY(bool ownsWindow READ ownsWindow WRITE setOwnsWindow NOTIFY ownsWindowChanged)

public:
    explicit TokaPanel(QQuickItem* parent = nullptr);
    ~TokaPanel() override;

    // The panel shown, and through it the docking host's interface; another
    // panel once another client is given.
    norvo::TOKA& panel();
    VoiceClient* voiceClient() const;
    // The client must outlive the item or be taken back (nullptr) first.
    void setVoiceClient(VoiceClient* voice);
    // Without one (or with nullptr) the panel closes itself by quit().
    void setDockFrame(DockFrame* dockFrame);
    // Takes effect at once: a running panel starts again on the new store.
    void setSettings(std::unique_ptr<SettingsStore> settings);

    SimulatedNetwork* network() const;
    void setNetwork(SimulatedNetwork* network);
    bool ownsWindow() const;
    void setOwnsWindow(bool owns);

signals:
    // The panel asks its container to close it.
    void quit();
    // The remembered channels cannot be loaded or kept: the file and a
    // sentence for the user. Sent from the event loop.
    void settingsProblem(const QString& file, const QString& message);
    void networkChanged();
    void ownsWindowChanged();

protected:
    void componentComplete() override;
    void keyPressEvent(QKeyEvent* event) override;
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
    void itemChange(ItemChange change, const ItemChangeData& value) override;

private:
    friend class TokaPanelPrivate;
    const std::unique_ptr<TokaPanelPrivate> d;
};

} // namespace norvo::qt
