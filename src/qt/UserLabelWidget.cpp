#include "qt/UserLabelWidget.h"

#include "labels/UserLabelGraph.h"
#include "qt/Conversions.h"

#include <QPainter>

#include <algorithm>

namespace norvo::qt {

UserLabelWidget::UserLabelWidget(UserLabel& label, QWidget* parent)
    : ControlWidget(label, parent)
    , label_(label)
{
}

void UserLabelWidget::reflect(Property property)
{
    if (label_.kind() == ControlKind::UserLabelGraph
        && (property == Property::Picture || property == Property::Width || property == Property::Height)) {
        takePicture();
        update();
    }
    ControlWidget::reflect(property);
}

void UserLabelWidget::takePicture()
{
    const Surface& surface = static_cast<const UserLabelGraph&>(label_).surface();
    const int w = std::max(0, label_.width());
    const int h = std::max(0, label_.height());
    QImage picture(w, h, QImage::Format_RGB32);
    const QColor background = toQColor(surface.background());
    picture.fill(background);
    const int shownWidth = std::min(w, surface.width());
    const int shownHeight = std::min(h, surface.height());
    for (int y = 0; y < shownHeight; ++y) {
        const std::span<const Colour> row = surface.row(y).first(static_cast<std::size_t>(shownWidth));
        std::transform(row.begin(), row.end(), reinterpret_cast<QRgb*>(picture.scanLine(y)),
            [](Colour colour) { return qRgb(redOf(colour), greenOf(colour), blueOf(colour)); });
    }
    picture_ = std::move(picture);
}

void UserLabelWidget::paintEvent(QPaintEvent* event)
{
    if (picture_.isNull()) {
        ControlWidget::paintEvent(event);
        return;
    }
    QPainter painter(this);
    // No smoothing: at a device pixel ratio above 1 each surface pixel becomes
    // a sharp block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), picture_);
}

} // namespace norvo::qt
