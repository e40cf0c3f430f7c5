#include "qt/widgets/TokaWidget.h"

#include "qt/common/EventBoundary.h"
#include "qt/common/LogCategories.h"
#include "qt/common/QtSettingsStore.h"
#include "qt/widgets/TokaWidgetPrivate.h"
#include "qt/widgets/WindowRegistry.h"

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
    , d(std::make_unique<TokaWidgetPrivate>(*this, voice, dockFrame, std::move(settings)))
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // To a screen reader the widget is the panel, its controls right inside.
    d->view->showThrough(*this);
    d->panel.Quit.connect([this] { emit quit(); });
    d->panel.SettingsProblemFound.connect([this](const SettingsProblem& problem) {
        const QString file = QString::fromStdString(problem.file);
        const QString message = QString::fromStdString(problem.message());
        qCWarning(lcSettings, "%s", qUtf8Printable(message));
        QMetaObject::invokeMethod(
            this, [this, file, message] { emit settingsProblem(file, message); }, Qt::QueuedConnection);
    });
    connect(d->view, &FormView::formResized, this, &TokaWidget::followForm);
    followForm(d->view->size());
    deliver("panel start-up", [this] { d->panel.Initialize(); });
}

TokaWidget::~TokaWidget() = default;

norvo::TOKA& TokaWidget::panel() { return d->panel; }

std::int32_t TokaWidget::setHostWindow(QWidget* window)
{
    const std::int32_t handle = WindowRegistry::global().handleOf(window);
    d->panel.HostinghWnd(handle);
    return handle;
}

QSize TokaWidget::sizeHint() const { return d->view->size(); }

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
    if (size == d->view->size())
        return;
    deliver("panel resize", [&] { d->panel.resize(size.width(), size.height()); });
}

} // namespace norvo::qt
