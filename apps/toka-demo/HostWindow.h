#pragma once

#include "platform/SettingsStore.h"
#include "qt/TokaWidget.h"

#include <QWidget>

#include <memory>

namespace norvo {
class DockFrame;
class VoiceClient;
} // namespace norvo

// The docking host: a window without a title bar that carries the panel, takes
// the panel's size and rounded outline, is moved by dragging the panel's
// background and closes when the panel asks its container to.
class HostWindow : public QWidget {
    Q_OBJECT

public:
    HostWindow(norvo::VoiceClient& voice, norvo::DockFrame& dockFrame, std::unique_ptr<norvo::SettingsStore> settings);

    norvo::qt::TokaWidget& panel() { return *panel_; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    norvo::qt::TokaWidget* panel_;
};
