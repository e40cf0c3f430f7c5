#include "qt/LabelWidget.h"

#include "platform/Label.h"
#include "qt/Conversions.h"

#include <QPainter>

namespace norvo::qt {

namespace {

Qt::Alignment toQtAlignment(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Center: return Qt::AlignHCenter;
    case Alignment::Left: break;
    }
    return Qt::AlignLeft;
}

} // namespace

LabelWidget::LabelWidget(Label& label, QWidget* parent)
    : ControlWidget(label, parent)
    , label_(label)
{
}

void LabelWidget::reflect(Property property)
{
    switch (property) {
    case Property::Caption:
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

void LabelWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!label_.transparent())
        painter.fillRect(rect(), toQColor(label_.backColor()));
    if (label_.caption().empty())
        return;
    painter.setFont(toQFont(label_.font()));
    // A disabled label shows its caption greyed.
    painter.setPen(isEnabled() ? toQColor(label_.foreColor()) : QColor(0x80, 0x80, 0x80));
    painter.drawText(
        rect(), int(toQtAlignment(label_.alignment()) | Qt::AlignTop | Qt::TextWordWrap), toQString(label_.caption()));
}

} // namespace norvo::qt
