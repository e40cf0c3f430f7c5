#pragma once

#include "qt/common/AccessibleCaption.h"
#include "qt/widgets/AccessibleControl.h"

namespace norvo::qt {

// A label as assistive technology reads it: a control like any other whose
// text is its caption as shown.
class AccessibleLabel : public AccessibleControl, public AccessibleCaption {
public:
    explicit AccessibleLabel(ControlWidget& owner);

    void* interface_cast(QAccessible::InterfaceType type) override;

    using AccessibleCaption::text;
    using AccessibleControl::text;

protected:
    const Label& captionedLabel() const override;
    QSize captionArea() const override;
    QPoint captionOrigin() const override;
};

} // namespace norvo::qt
