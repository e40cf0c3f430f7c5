#include "qt/widgets/PanelSnapshot.h"

#include "panel/TOKA.h"
#include "qt/widgets/FormView.h"

#include <QPainter>

#include <cmath>

namespace norvo::qt {

QImage PanelSnapshot::grab(norvo::TOKA& panel, qreal devicePixelRatio)
{
    FormView view(panel.form());
    return grab(view, devicePixelRatio);
}

QImage PanelSnapshot::grab(QWidget& view, qreal devicePixelRatio)
{
    const QSize size = view.size();
    QImage image(static_cast<int>(std::ceil(size.width() * devicePixelRatio)),
        static_cast<int>(std::ceil(size.height() * devicePixelRatio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::black);
    view.render(&image);
    return image;
}

} // namespace norvo::qt
