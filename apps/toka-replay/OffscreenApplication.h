#pragma once

#include <memory>
#include <string>
#include <vector>

class QApplication;

namespace norvo::replay {

// The Qt application the front ends render in, made at the first use unless
// the program has one: offscreen, so that scripts never show a window on a
// screen and render the same wherever they run, its Qt Quick scenes drawn by
// the software renderer.
class OffscreenApplication {
public:
    explicit OffscreenApplication(std::string programName);
    ~OffscreenApplication();
    OffscreenApplication(const OffscreenApplication&) = delete;
    OffscreenApplication& operator=(const OffscreenApplication&) = delete;

    void ensure();

    // Rounds of the event loop a new window may take to become active.
    static constexpr int ActivationRounds = 100;

private:
    std::string programName_;
    // QApplication keeps argc and argv for its lifetime.
    int argc_ = 0;
    std::vector<char*> argv_;
    std::unique_ptr<QApplication> application_;
};

} // namespace norvo::replay
