#include "qt/widgets/ShapeWidget.h"

#include "platform/Shape.h"
#include "qt/common/Conversions.h"

#include <QPainter>

namespace norvo::qt {

ShapeWidget::ShapeWidget(Shape& shape, QWidget* parent)
    : ControlWidget(shape, parent)
    , shape_(shape)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ShapeWidget::reflect(Property property)
{
    if (property == Property::FillColor || property == Property::BorderColor)
        update();
    ControlWidget::reflect(property);
}

void ShapeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor border = toQColor(shape_.borderColor());
    painter.fillRect(rect(), toQColor(shape_.fillColor()));
    // Four one-pixel strips rather than a pen: the border stays a whole
    // logical pixel wide at any device pixel ratio.
    const int w = width();
    const int h = height();
    painter.fillRect(0, 0, w, 1, border);
    painter.fillRect(0, h - 1, w, 1, border);
    painter.fillRect(0, 0, 1, h, border);
    painter.fillRect(w - 1, 0, 1, h, border);
}

} // namespace norvo::qt
