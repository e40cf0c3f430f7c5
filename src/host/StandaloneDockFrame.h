#pragma once

#include <NorvoUITOKA/host/DockFrame.h>
#include <NorvoUITOKA/norvouitoka_export.h>

namespace norvo {

/// The dock-frame client of a panel that no docking host manages: the panel
/// then closes itself through its Quit event.
class NORVOUITOKA_EXPORT StandaloneDockFrame : public DockFrame {
public:
    bool IsHosted() override { return false; }
    void ClosePanel(const std::string&) override { }
};

} // namespace norvo
