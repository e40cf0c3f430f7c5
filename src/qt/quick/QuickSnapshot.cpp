#include "qt/quick/QuickSnapshot.h"

#include "panel/TOKA.h"
#include "qt/quick/ComboBoxItem.h"
#include "qt/quick/ListPopupItem.h"
#include "qt/quick/QuickFormView.h"

#include <QCoreApplication>
#include <QEvent>
#include <QQuickWindow>

namespace norvo::qt {

namespace {

// The panel's form shown in a window of its own, at its size.
struct ShownPanel {
    explicit ShownPanel(norvo::TOKA& panel)
        : view(panel.form(), window.contentItem())
    {
        window.setColor(Qt::black);
        window.resize(view.size().toSize());
        window.show();
    }

    QQuickWindow window;
    QuickFormView view;
};

} // namespace

QImage QuickSnapshot::grab(norvo::TOKA& panel)
{
    ShownPanel shown(panel);
    return shown.window.grabWindow();
}

QImage QuickSnapshot::grabList(norvo::TOKA& panel, const norvo::Control& comboBox)
{
    ShownPanel shown(panel);
    auto* box = qobject_cast<ComboBoxItem*>(shown.view.itemFor(comboBox));
    if (!box)
        return {};
    box->toggleList();
    QImage list;
    if (ListPopupItem* popup = box->list(); popup && popup->window())
        list = popup->window()->grabWindow();
    if (box->listShown())
        box->toggleList();
    // The list's window goes before the panel's.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return list;
}

} // namespace norvo::qt
