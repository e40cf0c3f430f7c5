#include "qt/widgets/LabelWidget.h"

#include "platform/Label.h"
#include "qt/common/Conversions.h"

#include <QAccessible>
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

QFont LabelWidget::captionFont() const { return toQFont(label_.font()); }

int LabelWidget::captionFlags() const
{
    return int(toQtAlignment(label_.alignment()) | Qt::AlignTop | Qt::TextWordWrap);
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
    if (!label_.transparent())
        painter.fillRect(rect(), toQColor(label_.backColor()));
    if (caption_.isEmpty())
        return;
    painter.setFont(captionFont());
    // A disabled label shows its caption greyed.
    painter.setPen(isEnabled() ? toQColor(label_.foreColor()) : QColor(0x80, 0x80, 0x80));
    painter.drawText(rect(), captionFlags(), caption_);
}

} // namespace norvo::qt
