#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/platform/Control.h>

namespace norvo {

/// A windowed rectangle filled with its BackColor; the panel uses it as a
/// coloured indicator and button.
class NORVOUITOKA_EXPORT PictureBox : public Control {
public:
    /// An empty picture box, named as code finds it.
    explicit PictureBox(std::string name, int index = NoIndex)
        : Control(ControlKind::PictureBox, std::move(name), index)
    {
    }
};

} // namespace norvo
