#include "qt/widgets/TokaWidgetPrivate.h"

#include "qt/widgets/TokaWidget.h"

namespace norvo::qt {

TokaWidgetPrivate::TokaWidgetPrivate(
    TokaWidget& owner, VoiceClient* voice, DockFrame* dockFrame, std::unique_ptr<SettingsStore> settings)
    : widget(owner)
    , session(windows, voice, dockFrame, std::move(settings))
{
    showPanel();
    QObject::connect(&session, &PanelSession::panelReplaced, &widget, [this] { showPanel(); });
}

TokaWidgetPrivate::~TokaWidgetPrivate() { delete view; }

void TokaWidgetPrivate::showPanel()
{
    delete view;
    view = new FormView(session.panel().form(), &widget);
    // To a screen reader the widget is the panel, its controls right inside.
    view->showThrough(widget);
    QObject::connect(view, &FormView::formResized, &widget, [this](QSize size) { widget.followForm(size); });
    view->show();
    widget.followForm(view->size());
}

} // namespace norvo::qt
