#include "qt/common/PanelSession.h"

#include "qt/common/EventBoundary.h"
#include "qt/common/LogCategories.h"
#include "qt/common/QtSettingsStore.h"
#include "voice/AbsentVoiceClient.h"

#include <QMetaObject>

namespace norvo::qt {

PanelSession::PanelSession(WindowSystem& windows, VoiceClient* voice, DockFrame* dockFrame,
    std::unique_ptr<SettingsStore> settings, QObject* parent)
    : QObject(parent)
    , windows_(windows)
    , settings_(settings ? std::move(settings) : std::make_unique<QtSettingsStore>())
    , unbound_(std::make_unique<AbsentVoiceClient>())
    , voice_(voice)
{
    dockFrame_.target = dockFrame;
    replacePanel();
}

PanelSession::~PanelSession() { stopPanel(); }

void PanelSession::setVoiceClient(VoiceClient* voice)
{
    if (voice == voice_)
        return;
    stopPanel();
    voice_ = voice;
    replacePanel();
}

void PanelSession::setDockFrame(DockFrame* dockFrame) { dockFrame_.target = dockFrame; }

void PanelSession::setSettings(std::unique_ptr<SettingsStore> settings)
{
    stopPanel();
    settings_ = std::move(settings);
    replacePanel();
}

void PanelSession::setHostWindow(std::int32_t handle)
{
    hostWindow_ = handle;
    panel_->HostinghWnd(handle);
}

void PanelSession::stopPanel() noexcept
{
    if (!panel_)
        return;
    panel_->Terminate();
    // The client stops raising events into the sink before it goes.
    if (voice_) {
        try {
            voice_->setEventSink(nullptr);
        } catch (...) {
        }
    }
}

void PanelSession::replacePanel()
{
    VoiceClient& voice = voice_ ? *voice_ : *unbound_;
    auto panel = std::make_unique<norvo::TOKA>(TokaEnvironment{voice, dockFrame_, *settings_, windows_, clock_});
    panel->HostinghWnd(hostWindow_);
    if (panel_)
        deliver("panel resize", [&] { panel->resize(panel_->form().width(), panel_->form().height()); });
    panel->Quit.connect([this] { emit quit(); });
    panel->SettingsProblemFound.connect([this](const SettingsProblem& problem) {
        const QString file = QString::fromStdString(problem.file);
        const QString message = QString::fromStdString(problem.message());
        qCWarning(lcSettings, "%s", qUtf8Printable(message));
        QMetaObject::invokeMethod(
            this, [this, file, message] { emit settingsProblem(file, message); }, Qt::QueuedConnection);
    });
    // The old panel goes once the view has left its form, and before the
    // client is given the new panel's sink: going, it takes its own back.
    std::unique_ptr<norvo::TOKA> old = std::exchange(panel_, std::move(panel));
    emit panelReplaced();
    old.reset();
    events_ = std::make_unique<ThreadSafeEventSink>(panel_->eventSink());
    voice.setEventSink(events_.get());
    deliver("panel start-up", [this] { panel_->Initialize(); });
}

} // namespace norvo::qt
