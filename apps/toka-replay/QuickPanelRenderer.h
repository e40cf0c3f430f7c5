#pragma once

#include "PanelRenderer.h"

#include <memory>
#include <string>

class QQuickWindow;

namespace norvo::qt {
class QuickFormView;
}

namespace norvo::replay {

class OffscreenApplication;

// The panel through the Qt Quick front end, offscreen with the software
// renderer: one view of it in a window the size of its form, shown active,
// kept while the panel lives. Assistive technology is not read here.
class QuickPanelRenderer : public PanelRenderer {
public:
    explicit QuickPanelRenderer(OffscreenApplication& application);
    ~QuickPanelRenderer() override;

    Colour pixel(TOKA& panel, std::int32_t x, std::int32_t y) override;
    void snapshot(TOKA& panel, const std::filesystem::path& file) override;
    void press(TOKA& panel, const std::string& key) override;
    std::string accessible(TOKA& panel, const Control& control, AccessibleItem item) override;
    void release(TOKA& panel) noexcept override;

private:
    // The view of the panel, its keyboard focus where the panel's is.
    qt::QuickFormView& viewOf(TOKA& panel);
    void showPanelFocus(TOKA& panel);

    OffscreenApplication& application_;
    std::unique_ptr<QQuickWindow> window_;
    qt::QuickFormView* view_ = nullptr;
    const TOKA* viewed_ = nullptr;
};

} // namespace norvo::replay
