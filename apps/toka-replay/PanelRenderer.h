#pragma once

#include "platform/Colour.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace norvo {
class Control;
class TOKA;
} // namespace norvo

namespace norvo::replay {

// What assistive technology reads of a control.
enum class AccessibleItem { Name, Description, Role };

// The panel through a real front end: its pixels for `pixel` and `snapshot`,
// keys for `press`, and what assistive technology reads of its controls. The
// front end's keyboard focus follows the panel's. Errors are exceptions
// (reported as `error: ...`).
class PanelRenderer {
public:
    virtual ~PanelRenderer() = default;
    // The colour shown at panel pixel (x, y), as &HBBGGRR.
    virtual Colour pixel(TOKA& panel, std::int32_t x, std::int32_t y) = 0;
    virtual void snapshot(TOKA& panel, const std::filesystem::path& file) = 0;
    // A key pressed where the keyboard focus is: one of NamedKeys, or one
    // character (UTF-8).
    virtual void press(TOKA& panel, const std::string& key) = 0;
    // The text of a name or description; the role's name as the front end
    // spells it.
    virtual std::string accessible(TOKA& panel, const Control& control, AccessibleItem item) = 0;
    // The panel is about to go: the front end lets go of it.
    virtual void release(TOKA& panel) noexcept = 0;
};

} // namespace norvo::replay
