#include "qt/widgets/UserLabelWidget.h"

#include "labels/UserLabel.h"
#include "qt/common/ControlPainter.h"

#include <QPainter>

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
        picture_ = ControlPainter::pictureOf(label_);
        update();
    }
    ControlWidget::reflect(property);
}

void UserLabelWidget::paintEvent(QPaintEvent* event)
{
    if (picture_.isNull()) {
        ControlWidget::paintEvent(event);
        return;
    }
    QPainter painter(this);
    ControlPainter::paintPicture(painter, size(), label_, picture_);
}

} // namespace norvo::qt
