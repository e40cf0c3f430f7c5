#include "qt/widgets/TokaWidget.h"

#include "qt/common/EventBoundary.h"
#include "qt/widgets/TokaWidgetPrivate.h"
#include "qt/widgets/WindowRegistry.h"

#include <QResizeEvent>

namespace norvo::qt {

TokaWidget::TokaWidget(QWidget* parent)
    : QWidget(parent)
    , d(std::make_unique<TokaWidgetPrivate>(*this, nullptr, nullptr, nullptr))
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(&d->session, &PanelSession::quit, this, &TokaWidget::quit);
    connect(&d->session, &PanelSession::settingsProblem, this, &TokaWidget::settingsProblem);
}

TokaWidget::TokaWidget(VoiceClient& voice, DockFrame& dockFrame, QWidget* parent)
    : TokaWidget(voice, dockFrame, nullptr, parent)
{
}

TokaWidget::TokaWidget(
    VoiceClient& voice, DockFrame& dockFrame, std::unique_ptr<SettingsStore> settings, QWidget* parent)
    : QWidget(parent)
    , d(std::make_unique<TokaWidgetPrivate>(*this, &voice, &dockFrame, std::move(settings)))
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(&d->session, &PanelSession::quit, this, &TokaWidget::quit);
    connect(&d->session, &PanelSession::settingsProblem, this, &TokaWidget::settingsProblem);
}

TokaWidget::~TokaWidget() = default;

norvo::TOKA& TokaWidget::panel() { return d->session.panel(); }

VoiceClient* TokaWidget::voiceClient() const { return d->session.voiceClient(); }

void TokaWidget::setVoiceClient(VoiceClient* voice) { d->session.setVoiceClient(voice); }

void TokaWidget::setDockFrame(DockFrame* dockFrame) { d->session.setDockFrame(dockFrame); }

void TokaWidget::setSettings(std::unique_ptr<SettingsStore> settings) { d->session.setSettings(std::move(settings)); }

std::int32_t TokaWidget::setHostWindow(QWidget* window)
{
    const std::int32_t handle = WindowRegistry::global().handleOf(window);
    d->session.setHostWindow(handle);
    return handle;
}

QSize TokaWidget::sizeHint() const { return d->view->size(); }

void TokaWidget::followForm(QSize size)
{
    resize(size);
    updateGeometry();
}

void TokaWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QSize size = event->size();
    // Only a size the form does not have yet is news to the panel.
    if (size == d->view->size())
        return;
    deliver("panel resize", [&] { panel().resize(size.width(), size.height()); });
}

} // namespace norvo::qt
