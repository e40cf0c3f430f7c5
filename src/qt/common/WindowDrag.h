#pragma once

#include <NorvoUITOKA/norvouitoka_qtcommon_export.h>

#include <QObject>
#include <QPoint>

#include <functional>

namespace norvo::qt {

// Moves a window with the mouse until the left button is up, for platforms
// that cannot move a window themselves. Watches the application's mouse
// events from the moment it is created; deletes itself when done.
class NORVOUITOKA_QTCOMMON_EXPORT WindowDrag : public QObject {
    Q_OBJECT

public:
    // Starts at the pointer's current position, the window's top-left corner
    // at windowAt; moveTo puts the corner elsewhere.
    WindowDrag(QPoint windowAt, std::function<void(QPoint)> moveTo);
    ~WindowDrag() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void finish();

    const std::function<void(QPoint)> moveTo_;
    const QPoint grabbedAt_;
    const QPoint windowAt_;
};

} // namespace norvo::qt
