#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/platform/Control.h>

namespace norvo {

/// A windowed container without caption; hiding it hides its children.
class NORVOUITOKA_EXPORT Frame : public Control {
public:
    /// An empty frame, named as code finds it.
    explicit Frame(std::string name, int index = NoIndex)
        : Control(ControlKind::Frame, std::move(name), index)
    {
    }
};

} // namespace norvo
