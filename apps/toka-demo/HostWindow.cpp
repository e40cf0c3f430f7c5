#include "HostWindow.h"

#include "panel/TOKA.h"

#include <QCloseEvent>

HostWindow::HostWindow(
    norvo::VoiceClient& voice, norvo::DockFrame& dockFrame, std::unique_ptr<norvo::SettingsStore> settings)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , panel_(new norvo::qt::TokaWidget(voice, dockFrame, std::move(settings), this))
{
    setWindowTitle(QStringLiteral("TOKA"));
    // As a docking host does: the window's handle first, so that the
    // region the panel makes while sizing lands on this window.
    panel_->setHostWindow(this);
    std::int32_t width = 0;
    std::int32_t height = 0;
    panel_->panel().Sizing(0, width, height);
    setFixedSize(width, height);
    connect(panel_, &norvo::qt::TokaWidget::quit, this, &QWidget::close);
}

void HostWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit closed();
}
