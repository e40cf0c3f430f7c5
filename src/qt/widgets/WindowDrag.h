#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

namespace norvo::qt {

// Moves a window with the mouse until the left button is up, for platforms
// that cannot move a window themselves. Watches the application's mouse
// events from the moment it is created; deletes itself when done.
class WindowDrag : public QObject {
    Q_OBJECT

public:
    // Starts at the pointer's current position.
    explicit WindowDrag(QWidget* window);
    ~WindowDrag() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void finish();

    QPointer<QWidget> window_;
    const QPoint grabbedAt_;
    const QPoint windowAt_;
};

} // namespace norvo::qt
