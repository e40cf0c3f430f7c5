#pragma once

#include "PanelRenderer.h"

#include <memory>
#include <string>
#include <vector>

class QApplication;

namespace norvo::replay {

// Renders the panel through the Qt front end, offscreen. The application
// object is created at the first rendering, unless the program has one.
class QtPanelRenderer : public PanelRenderer {
public:
    QtPanelRenderer(int argc, char** argv);
    ~QtPanelRenderer() override;

    Colour pixel(TOKA& panel, std::int32_t x, std::int32_t y) override;
    void snapshot(TOKA& panel, const std::filesystem::path& file) override;

private:
    void ensureApplication();

    std::string programName_;
    // QApplication keeps argc and argv for its lifetime.
    int argc_ = 0;
    std::vector<char*> argv_;
    std::unique_ptr<QApplication> application_;
};

} // namespace norvo::replay
