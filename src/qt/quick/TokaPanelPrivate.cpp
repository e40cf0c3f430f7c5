#include "qt/quick/TokaPanelPrivate.h"

#include "qt/quick/TokaPanel.h"

#include <QQuickWindow>

namespace norvo::qt {

TokaPanelPrivate::TokaPanelPrivate(TokaPanel& owner)
    : item(owner)
    , session(windows)
{
}

TokaPanelPrivate::~TokaPanelPrivate() { delete view; }

void TokaPanelPrivate::showPanel()
{
    delete view;
    view = new QuickFormView(session.panel().form(), &item);
    QObject::connect(view, &QuickFormView::formResized, &item,
        [this](QSize size) { item.setImplicitSize(size.width(), size.height()); });
    item.setImplicitSize(view->width(), view->height());
}

void TokaPanelPrivate::applyClient()
{
    if (item.isComponentComplete())
        session.setVoiceClient(voice);
}

void TokaPanelPrivate::applyHostWindow()
{
    QQuickWindow* shown = item.window();
    session.setHostWindow(ownsWindow && shown ? windows.handleOf(shown) : 0);
}

} // namespace norvo::qt
