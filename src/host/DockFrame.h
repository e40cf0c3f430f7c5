#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>

#include <stdexcept>
#include <string>

namespace norvo {

/// Raised by a dock-frame client whose call failed.
class NORVOUITOKA_EXPORT DockFrameError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The dock-frame client through which the panel talks back to a docking host.
class NORVOUITOKA_EXPORT DockFrame {
public:
    virtual ~DockFrame() = default;
    /// True when a docking host manages the panel (dispatch identifier 102).
    virtual bool IsHosted() = 0;
    /// Asks the host to close the panel named by its ProgID (66).
    virtual void ClosePanel(const std::string& progId) = 0;
};

} // namespace norvo
