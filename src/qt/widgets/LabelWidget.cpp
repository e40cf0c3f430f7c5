#include "qt/widgets/LabelWidget.h"

#include "platform/Label.h"
#include "qt/common/ControlPainter.h"
#include "qt/common/Conversions.h"

#include <QAccessible>
#include <QPainter>

namespace norvo::qt {

LabelWidget::LabelWidget(Label& label, QWidget* parent)
    : ControlWidget(label, parent)
    , label_(label)
{
}

void LabelWidget::reflect(Property property)
{
    switch (property) {
    case Property::Caption: showCaption(); break;
    case Property::ForeColor:
    case Property::Font:
    case Property::Alignment:
    case Property::Enabled: update(); break;
    case Property::Transparent:
        // What lies beneath shows through a transparent label.
        setAttribute(Qt::WA_OpaquePaintEvent, !label_.transparent());
        update();
        break;
    default: break;
    }
    ControlWidget::reflect(property);
}

void LabelWidget::showCaption()
{
    const QString caption = toQString(label_.caption());
    if (caption == caption_)
        return;
    // Assistive technology reads the caption as the label's text.
    QAccessibleTextUpdateEvent event(this, 0, caption_, caption);
    caption_ = caption;
    update();
    QAccessible::updateAccessibility(&event);
}

void LabelWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    ControlPainter::paintLabel(painter, size(), label_, caption_, isEnabled());
}

} // namespace norvo::qt
