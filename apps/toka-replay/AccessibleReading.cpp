#include "AccessibleReading.h"

#include "platform/Control.h"

#include <QAccessible>
#include <QMetaEnum>

#include <stdexcept>

namespace norvo::replay {

std::string readAccessible(QAccessibleInterface* shown, const Control& control, AccessibleItem item)
{
    if (!shown)
        throw std::runtime_error(control.reference() + " has no widget on the panel");
    switch (item) {
    case AccessibleItem::Name: return shown->text(QAccessible::Name).toStdString();
    case AccessibleItem::Description: return shown->text(QAccessible::Description).toStdString();
    case AccessibleItem::Role: break;
    }
    return QMetaEnum::fromType<QAccessible::Role>().valueToKey(shown->role());
}

} // namespace norvo::replay
