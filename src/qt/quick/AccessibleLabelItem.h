#pragma once

#include "qt/common/AccessibleCaption.h"
#include "qt/quick/AccessibleItem.h"

namespace norvo::qt {

// A label on the Qt Quick scene as assistive technology reads it: a control
// like any other whose text is its caption as shown.
class AccessibleLabelItem : public AccessibleItem, public AccessibleCaption {
public:
    explicit AccessibleLabelItem(ControlItem& item);

    void* interface_cast(QAccessible::InterfaceType type) override;

    using AccessibleCaption::text;
    using AccessibleItem::text;

protected:
    const Label& captionedLabel() const override;
    QSize captionArea() const override;
    QPoint captionOrigin() const override;
};

} // namespace norvo::qt
