#pragma once

#include "platform/Control.h"

namespace norvo {

// A windowed rectangle filled with its BackColor; the panel uses it as a
// coloured indicator and button.
class PictureBox : public Control {
public:
    explicit PictureBox(std::string name, int index = NoIndex)
        : Control(ControlKind::PictureBox, std::move(name), index)
    {
    }
};

} // namespace norvo
