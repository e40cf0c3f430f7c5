#include "QtPanelRenderer.h"

#include "qt/PanelSnapshot.h"

#include <QApplication>
#include <QImage>

#include <stdexcept>
#include <string>

namespace norvo::replay {

namespace {

char platformOption[] = "-platform";
char offscreen[] = "offscreen";

} // namespace

QtPanelRenderer::QtPanelRenderer(int argc, char** argv)
    : programName_(argc > 0 ? argv[0] : "toka-replay")
{
}

QtPanelRenderer::~QtPanelRenderer() = default;

void QtPanelRenderer::ensureApplication()
{
    if (QApplication::instance())
        return;
    // Scripts never show a window, and render the same wherever they run.
    argv_ = {programName_.data(), platformOption, offscreen, nullptr};
    argc_ = 3;
    application_ = std::make_unique<QApplication>(argc_, argv_.data());
}

Colour QtPanelRenderer::pixel(TOKA& panel, std::int32_t x, std::int32_t y)
{
    ensureApplication();
    const QImage image = qt::PanelSnapshot::grab(panel);
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        throw std::out_of_range("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") lies outside the panel's "
            + std::to_string(image.width()) + " x " + std::to_string(image.height()) + " pixels");
    const QRgb shown = image.pixel(x, y);
    return rgb(static_cast<std::uint8_t>(qRed(shown)), static_cast<std::uint8_t>(qGreen(shown)),
        static_cast<std::uint8_t>(qBlue(shown)));
}

void QtPanelRenderer::snapshot(TOKA& panel, const std::filesystem::path& file)
{
    ensureApplication();
    const QImage image = qt::PanelSnapshot::grab(panel);
    if (!image.save(QString::fromStdString(file.string()), "PNG"))
        throw std::runtime_error("cannot write " + file.string());
}

} // namespace norvo::replay
