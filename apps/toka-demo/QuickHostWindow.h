#pragma once

#include "platform/SettingsStore.h"

#include <QQuickWindow>

#include <memory>

namespace norvo {
class DockFrame;
class VoiceClient;
namespace qt {
class TokaPanel;
}
} // namespace norvo

// The docking host on Qt Quick: a window without a title bar whose scene is
// the panel item; it takes the panel's size and rounded outline, is moved by
// dragging the panel's background and closes when the panel asks its
// container to.
class QuickHostWindow : public QQuickWindow {
    Q_OBJECT

public:
    QuickHostWindow(
        norvo::VoiceClient& voice, norvo::DockFrame& dockFrame, std::unique_ptr<norvo::SettingsStore> settings);
    ~QuickHostWindow() override;

    norvo::qt::TokaPanel& panel() { return *panel_; }

signals:
    void closed();

protected:
    bool event(QEvent* event) override;

private:
    norvo::qt::TokaPanel* const panel_;
};
