#pragma once

#include "qt/widgets/ControlWidget.h"

namespace norvo {
class Shape;
}

namespace norvo::qt {

// A shape: a rectangle filled with FillColor inside a one-pixel BorderColor
// border.
class ShapeWidget : public ControlWidget {
    Q_OBJECT

public:
    ShapeWidget(Shape& shape, QWidget* parent);

    void reflect(Property property) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape& shape_;
};

} // namespace norvo::qt
