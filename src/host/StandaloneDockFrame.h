#pragma once

#include "host/DockFrame.h"

namespace norvo {

// The dock-frame client of a panel that no docking host manages: the panel
// then closes itself through its Quit event.
class StandaloneDockFrame : public DockFrame {
public:
    bool IsHosted() override { return false; }
    void ClosePanel(const std::string&) override { }
};

} // namespace norvo
