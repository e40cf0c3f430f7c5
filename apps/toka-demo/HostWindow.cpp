#include "HostWindow.h"

#include "labels/UserLabel.h"
#include "panel/TOKA.h"
#include "platform/Timer.h"

#include <QCloseEvent>
#include <QMetaObject>

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
    connect(panel_, &norvo::qt::TokaWidget::quit, this, &HostWindow::closeAfterBlink);
}

HostWindow::~HostWindow()
{
    if (blink_)
        blink_->removeObserver(this);
}

void HostWindow::closeAfterBlink()
{
    norvo::Timer& timer = panel_->panel().form().get<norvo::UserLabel>("btnQuit").BlinkTimer();
    if (!timer.running()) {
        close();
        return;
    }
    if (!blink_) {
        blink_ = &timer;
        blink_->addObserver(this);
    }
}

void HostWindow::controlChanged(norvo::Control&, norvo::Property)
{
    if (!blink_ || blink_->running())
        return;
    blink_->removeObserver(this);
    blink_ = nullptr;
    // Not from inside the timer's own change.
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void HostWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit closed();
}
