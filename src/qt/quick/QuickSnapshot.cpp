#include "qt/quick/QuickSnapshot.h"

#include "panel/TOKA.h"
#include "qt/quick/QuickFormView.h"

#include <QQuickWindow>

namespace norvo::qt {

QImage QuickSnapshot::grab(norvo::TOKA& panel)
{
    QQuickWindow window;
    window.setColor(Qt::black);
    QuickFormView view(panel.form(), window.contentItem());
    window.resize(view.size().toSize());
    window.show();
    return window.grabWindow();
}

} // namespace norvo::qt
