#pragma once

class FirstFrameReport;
class QQuickWindow;

// Tells the report of a Qt Quick window's first frame: the scene is drawn and
// handed to the window within QQuickWindow::frameSwapped.
namespace QuickFrameWatch {
void watch(FirstFrameReport& report, QQuickWindow& window);
}
