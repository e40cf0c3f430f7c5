#pragma once

#include "platform/ControlObserver.h"
#include "platform/SettingsStore.h"
#include "qt/widgets/TokaWidget.h"

#include <QWidget>

#include <memory>

namespace norvo {
class DockFrame;
class Timer;
class VoiceClient;
} // namespace norvo

// The docking host: a window without a title bar that carries the panel, takes
// the panel's size and rounded outline, is moved by dragging the panel's
// background and closes when the panel asks its container to, once the close
// button has blinked.
class HostWindow : public QWidget, private norvo::ControlObserver {
    Q_OBJECT

public:
    HostWindow(norvo::VoiceClient& voice, norvo::DockFrame& dockFrame, std::unique_ptr<norvo::SettingsStore> settings);
    ~HostWindow() override;

    norvo::qt::TokaWidget& panel() { return *panel_; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void closeAfterBlink();
    void controlChanged(norvo::Control& control, norvo::Property property) override;

    norvo::qt::TokaWidget* panel_;
    // The close button's blink timer, watched while the window waits for it.
    norvo::Timer* blink_ = nullptr;
};
