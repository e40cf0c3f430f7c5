#pragma once

#include "PanelRenderer.h"

#include <memory>
#include <string>
#include <vector>

class QApplication;

namespace norvo {
class Control;
namespace qt {
class FormView;
}
} // namespace norvo

namespace norvo::replay {

// The panel through the Qt front end, offscreen: one view of it, shown as an
// active window, kept while the panel lives. The application object is made
// at the first use, unless the program has one.
class QtPanelRenderer : public PanelRenderer {
public:
    QtPanelRenderer(int argc, char** argv);
    ~QtPanelRenderer() override;

    Colour pixel(TOKA& panel, std::int32_t x, std::int32_t y) override;
    void snapshot(TOKA& panel, const std::filesystem::path& file) override;
    void press(TOKA& panel, const std::string& key) override;
    std::string accessible(TOKA& panel, const Control& control, AccessibleItem item) override;
    void release(TOKA& panel) noexcept override;

private:
    void ensureApplication();
    // The view of the panel, its keyboard focus where the panel's is.
    qt::FormView& viewOf(TOKA& panel);
    void showPanelFocus(TOKA& panel);

    std::string programName_;
    // QApplication keeps argc and argv for its lifetime.
    int argc_ = 0;
    std::vector<char*> argv_;
    std::unique_ptr<QApplication> application_;
    std::unique_ptr<qt::FormView> view_;
    const TOKA* viewed_ = nullptr;
};

} // namespace norvo::replay
