#include "qt/TokaWidget.h"

#include "panel/TOKA.h"
#include "qt/EventBoundary.h"
#include "qt/FormView.h"
#include "qt/LogCategories.h"
#include "qt/QtClock.h"
#include "qt/QtSettingsStore.h"
#include "qt/QtWindowSystem.h"
#include "qt/ThreadSafeEventSink.h"

#include <QMetaObject>
#include <QResizeEvent>

namespace norvo::qt {

TokaWidget::TokaWidget(VoiceClient& voice, DockFrame& dockFrame, QWidget* parent)
    : TokaWidget(voice, dockFrame, std::make_unique<QtSettingsStore>(), parent)
{
}

TokaWidget::TokaWidget(
    VoiceClient& voice, DockFrame& dockFrame, std::unique_ptr<SettingsStore> settings, QWidget* parent)
    : QWidget(parent)
    , settings_(std::move(settings))
    , clock_(std::make_unique<QtClock>())
    , windows_(std::make_unique<QtWindowSystem>())
    , panel_(std::make_unique<norvo::TOKA>(TokaEnvironment{voice, dockFrame, *settings_, *windows_, *clock_}))
    , view_(new FormView(panel_->form(), this))
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // To a screen reader the widget is the panel, its controls right inside.
    view_->showThrough(*this);
    panel_->Quit.connect([this] { emit quit(); });
    panel_->SettingsProblemFound.connect([this](const SettingsProblem& problem) {
        const QString file = QString::fromStdString(problem.file);
        const QString message = QString::fromStdString(problem.message());
        qCWarning(lcSettings, "%s", qUtf8Printable(message));
        QMetaObject::invokeMethod(
            this, [this, file, message] { emit settingsProblem(file, message); }, Qt::QueuedConnection);
    });
    connect(view_, &FormView::formResized, this, &TokaWidget::followForm);
    followForm(view_->size());
    events_ = std::make_unique<ThreadSafeEventSink>(*panel_);
    voice.setEventSink(events_.get());
    deliver("panel start-up", [this] { panel_->Initialize(); });
}

TokaWidget::~TokaWidget()
{
    panel_->Terminate();
    // The view observes the form: it goes before the panel that owns it.
    delete view_;
}

std::int32_t TokaWidget::setHostWindow(QWidget* window)
{
    const std::int32_t handle = WindowRegistry::global().handleOf(window);
    panel_->HostinghWnd(handle);
    return handle;
}

QSize TokaWidget::sizeHint() const { return view_->size(); }

void TokaWidget::followForm(QSize size)
{
    // The panel decides its size (Sizing); the widget takes it on.
    resize(size);
    updateGeometry();
}

void TokaWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QSize size = event->size();
    // Only a size the form does not have yet is news to the panel.
    if (size == view_->size())
        return;
    deliver("panel resize", [&] { panel_->resize(size.width(), size.height()); });
}

} // namespace norvo::qt
