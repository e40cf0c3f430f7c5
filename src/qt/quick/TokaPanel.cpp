#include "qt/quick/TokaPanel.h"

#include "panel/TOKA.h"
#include "qt/common/EventBoundary.h"
#include "qt/quick/SimulatedNetwork.h"
#include "qt/quick/TokaPanelPrivate.h"

#include <QKeyEvent>

namespace norvo::qt {

TokaPanel::TokaPanel(QQuickItem* parent)
    : QQuickItem(parent)
    , d(std::make_unique<TokaPanelPrivate>(*this))
{
    // The panel's controls take the focus within it.
    setFlag(ItemIsFocusScope);
    // Shown once the item has its inside: the size the view gives it goes
    // to geometryChange.
    d->showPanel();
    connect(&d->session, &PanelSession::panelReplaced, this, [this] { d->showPanel(); });
    connect(&d->session, &PanelSession::quit, this, &TokaPanel::quit);
    connect(&d->session, &PanelSession::settingsProblem, this, &TokaPanel::settingsProblem);
}

TokaPanel::~TokaPanel() = default;

norvo::TOKA& TokaPanel::panel() { return d->session.panel(); }

VoiceClient* TokaPanel::voiceClient() const { return d->voice; }

void TokaPanel::setVoiceClient(VoiceClient* voice)
{
    if (d->network && voice != &d->network->client()) {
        d->network = nullptr;
        emit networkChanged();
    }
    d->voice = voice;
    d->applyClient();
}

void TokaPanel::setDockFrame(DockFrame* dockFrame) { d->session.setDockFrame(dockFrame); }

void TokaPanel::setSettings(std::unique_ptr<SettingsStore> settings) { d->session.setSettings(std::move(settings)); }

SimulatedNetwork* TokaPanel::network() const { return d->network; }

void TokaPanel::setNetwork(SimulatedNetwork* network)
{
    if (network == d->network)
        return;
    d->network = network;
    d->voice = network ? &network->client() : nullptr;
    if (network) {
        // A network going takes its client with it.
        VoiceClient* const client = d->voice;
        connect(network, &SimulatedNetwork::aboutToGo, this, [this, client] {
            if (d->voice == client)
                setVoiceClient(nullptr);
        });
    }
    d->applyClient();
    emit networkChanged();
}

bool TokaPanel::ownsWindow() const { return d->ownsWindow; }

void TokaPanel::setOwnsWindow(bool owns)
{
    if (owns == d->ownsWindow)
        return;
    d->ownsWindow = owns;
    d->applyHostWindow();
    emit ownsWindowChanged();
}

void TokaPanel::keyPressEvent(QKeyEvent* event)
{
    // Tab with none of the panel's controls focused goes to its first stop
    // (Backtab: to its last).
    if (event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab) {
        event->ignore();
        return;
    }
    event->accept();
    const bool backwards = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
    d->view->moveFocus(nullptr, !backwards);
}

void TokaPanel::componentComplete()
{
    QQuickItem::componentComplete();
    d->applyClient();
    // A QML host cannot ask the panel its size as a docking host does: the
    // panel is asked here, on its own behalf.
    std::int32_t width = 0;
    std::int32_t height = 0;
    deliver("panel sizing", [&] { panel().Sizing(0, width, height); });
}

void TokaPanel::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    const QSize size = newGeometry.size().toSize();
    // Only a size the form does not have yet is news to the panel.
    if (newGeometry.size() == oldGeometry.size() || size == d->view->size().toSize())
        return;
    deliver("panel resize", [&] { panel().resize(size.width(), size.height()); });
}

void TokaPanel::itemChange(ItemChange change, const ItemChangeData& value)
{
    QQuickItem::itemChange(change, value);
    if (change == ItemSceneChange)
        d->applyHostWindow();
}

} // namespace norvo::qt
