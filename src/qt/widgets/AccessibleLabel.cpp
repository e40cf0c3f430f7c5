#include "qt/widgets/AccessibleLabel.h"

#include "platform/Label.h"
#include "qt/widgets/ControlWidget.h"

namespace norvo::qt {

AccessibleLabel::AccessibleLabel(ControlWidget& owner)
    : AccessibleControl(owner, &owner)
{
}

void* AccessibleLabel::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return AccessibleControl::interface_cast(type);
}

const Label& AccessibleLabel::captionedLabel() const { return static_cast<const Label&>(owner().control()); }

QSize AccessibleLabel::captionArea() const { return owner().size(); }

QPoint AccessibleLabel::captionOrigin() const { return owner().mapToGlobal(QPoint(0, 0)); }

} // namespace norvo::qt
