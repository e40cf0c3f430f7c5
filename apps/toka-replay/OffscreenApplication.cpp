#include "OffscreenApplication.h"

#include <QApplication>
#ifdef NORVO_REPLAY_WITH_QUICK
#include <QQuickWindow>
#endif

namespace norvo::replay {

namespace {

char platformOption[] = "-platform";
char offscreen[] = "offscreen";

} // namespace

OffscreenApplication::OffscreenApplication(std::string programName)
    : programName_(std::move(programName))
{
}

OffscreenApplication::~OffscreenApplication() = default;

void OffscreenApplication::ensure()
{
    if (QApplication::instance())
        return;
    argv_ = {programName_.data(), platformOption, offscreen, nullptr};
    argc_ = 3;
#ifdef NORVO_REPLAY_WITH_QUICK
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
#endif
    application_ = std::make_unique<QApplication>(argc_, argv_.data());
}

} // namespace norvo::replay
