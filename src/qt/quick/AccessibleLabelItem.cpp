#include "qt/quick/AccessibleLabelItem.h"

#include "platform/Label.h"
#include "qt/quick/ControlItem.h"

namespace norvo::qt {

AccessibleLabelItem::AccessibleLabelItem(ControlItem& item)
    : AccessibleItem(item)
{
}

void* AccessibleLabelItem::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return AccessibleItem::interface_cast(type);
}

const Label& AccessibleLabelItem::captionedLabel() const { return static_cast<const Label&>(item().control()); }

QSize AccessibleLabelItem::captionArea() const { return item().size().toSize(); }

QPoint AccessibleLabelItem::captionOrigin() const { return item().mapToGlobal(QPointF(0, 0)).toPoint(); }

} // namespace norvo::qt
