#include "qt/widgets/ShapeWidget.h"

#include "platform/Shape.h"
#include "qt/common/ControlPainter.h"

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
    ControlPainter::paintShape(painter, size(), shape_);
}

} // namespace norvo::qt
