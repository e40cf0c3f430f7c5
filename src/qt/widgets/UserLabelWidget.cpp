#include "qt/widgets/UserLabelWidget.h"

#include "labels/SpriteSheet.h"
#include "labels/UserLabelGraph.h"
#include "qt/common/Conversions.h"

#include <QPaintEngine>
#include <QPainter>

#include <cmath>

namespace norvo::qt {

namespace {

const QImage& highDensitySheet()
{
    static const QImage sheet = [] {
        const Surface& art = SpriteSheet::highDensityImage();
        return toQImage(art, art.width(), art.height());
    }();
    return sheet;
}

QRect toQRect(const Rect& rect) { return QRect(rect.x, rect.y, rect.width, rect.height); }

// The pixels per control pixel of what the painter paints on: the screen, or
// a picture of the widget.
qreal pixelRatioOf(const QPainter& painter)
{
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->paintDevice() ? engine->paintDevice()->devicePixelRatio() : 1.0;
}

} // namespace

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
    picture_ = toQImage(static_cast<const UserLabelGraph&>(label_).surface(), label_.width(), label_.height());
}

void UserLabelWidget::paintEvent(QPaintEvent* event)
{
    if (picture_.isNull()) {
        ControlWidget::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const qreal ratio = pixelRatioOf(painter);
    const std::optional<Rect> sprite = static_cast<const UserLabelGraph&>(label_).shownSprite();
    if (ratio > 1 && sprite) {
        // The same image from the artwork drawn for twice the density;
        // smoothed only where its pixels do not map one to one.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, ratio != std::floor(ratio));
        painter.drawImage(QRectF(rect()), highDensitySheet(), toQRect(SpriteSheet::highDensityRect(*sprite)));
        return;
    }
    // Otherwise the surface, each of its pixels a sharp block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), picture_);
}

} // namespace norvo::qt
