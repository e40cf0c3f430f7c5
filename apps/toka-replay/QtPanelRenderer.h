#pragma once

#include "PanelRenderer.h"

#include <memory>
#include <string>

namespace norvo {
class Control;
namespace qt {
class FormView;
}
} // namespace norvo

namespace norvo::replay {

class OffscreenApplication;

// The panel through the Qt Widgets front end, offscreen: one view of it,
// shown as an active window, kept while the panel lives.
class QtPanelRenderer : public PanelRenderer {
public:
    explicit QtPanelRenderer(OffscreenApplication& application);
    ~QtPanelRenderer() override;

    Colour pixel(TOKA& panel, std::int32_t x, std::int32_t y) override;
    void snapshot(TOKA& panel, const std::filesystem::path& file) override;
    void press(TOKA& panel, const std::string& key) override;
    std::string accessible(TOKA& panel, const Control& control, AccessibleItem item) override;
    void release(TOKA& panel) noexcept override;

private:
    // The view of the panel, its keyboard focus where the panel's is.
    qt::FormView& viewOf(TOKA& panel);
    void showPanelFocus(TOKA& panel);

    OffscreenApplication& application_;
    std::unique_ptr<qt::FormView> view_;
    const TOKA* viewed_ = nullptr;
};

} // namespace norvo::replay
