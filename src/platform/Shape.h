#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/platform/Control.h>

namespace norvo {

/// A rectangle with a solid fill and a one-pixel border.
class NORVOUITOKA_EXPORT Shape : public Control {
public:
    /// A black shape with a black border, named as code finds it.
    explicit Shape(std::string name, int index = NoIndex)
        : Control(ControlKind::Shape, std::move(name), index)
    {
    }

    ///@{
    /// The colour inside the border.
    Colour fillColor() const { return fillColor_; }
    void setFillColor(Colour value) { assign(fillColor_, value, Property::FillColor); }
    ///@}
    ///@{
    /// The colour of the one-pixel border.
    Colour borderColor() const { return borderColor_; }
    void setBorderColor(Colour value) { assign(borderColor_, value, Property::BorderColor); }
    ///@}

private:
    Colour fillColor_ = 0;
    Colour borderColor_ = 0;
};

} // namespace norvo
