#include "QuickHostWindow.h"

#include "panel/TOKA.h"
#include "qt/quick/TokaPanel.h"

#include <QEvent>

QuickHostWindow::QuickHostWindow(
    norvo::VoiceClient& voice, norvo::DockFrame& dockFrame, std::unique_ptr<norvo::SettingsStore> settings)
    : panel_(new norvo::qt::TokaPanel(contentItem()))
{
    setFlags(Qt::Window | Qt::FramelessWindowHint);
    setTitle(QStringLiteral("TOKA (Qt Quick)"));
    setColor(Qt::black);
    // The window is the panel's own: the outline the panel makes while
    // starting lands on it.
    panel_->setOwnsWindow(true);
    panel_->setSettings(std::move(settings));
    panel_->setDockFrame(&dockFrame);
    panel_->setVoiceClient(&voice);
    panel_->setFocus(true);
    std::int32_t width = 0;
    std::int32_t height = 0;
    panel_->panel().Sizing(0, width, height);
    const auto follow
        = [this] { resize(static_cast<int>(panel_->implicitWidth()), static_cast<int>(panel_->implicitHeight())); };
    connect(panel_, &QQuickItem::implicitWidthChanged, this, follow);
    connect(panel_, &QQuickItem::implicitHeightChanged, this, follow);
    follow();
    connect(panel_, &norvo::qt::TokaPanel::quit, this, &QQuickWindow::close, Qt::QueuedConnection);
}

QuickHostWindow::~QuickHostWindow() { delete panel_; }

bool QuickHostWindow::event(QEvent* event)
{
    const bool handled = QQuickWindow::event(event);
    if (event->type() == QEvent::Close)
        emit closed();
    return handled;
}
