#include "qt/common/ControlInput.h"

#include "platform/Control.h"
#include "qt/common/Conversions.h"
#include "qt/common/EventBoundary.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace norvo::qt {

void ControlInput::press(const QMouseEvent& event)
{
    clickPending_ = event.button() == Qt::LeftButton;
    const MouseEvent press = toMouseEvent(event);
    deliver(control_, "mouse press", [&] { control_.mouseDown(press); });
}

void ControlInput::release(const QMouseEvent& event, bool inside)
{
    const bool click = clickPending_ && event.button() == Qt::LeftButton && inside;
    clickPending_ = false;
    if (click)
        deliver(control_, "click", [&] { control_.click(); });
}

void ControlInput::doubleClick(const QMouseEvent& event)
{
    // No mouse-down and, at its release, no click.
    clickPending_ = false;
    if (event.button() == Qt::LeftButton)
        deliver(control_, "double-click", [&] { control_.dblClick(); });
}

void ControlInput::move(const QMouseEvent& event)
{
    const MouseEvent move = toMouseEvent(event);
    deliver(control_, "mouse move", [&] { control_.mouseMove(move); });
}

bool ControlInput::key(const QKeyEvent& event)
{
    // A key held down is one press, as on the platform's buttons.
    if (event.isAutoRepeat())
        return true;
    const std::optional<std::int16_t> code = keyAsciiOf(event);
    if (!code)
        return false;
    std::int16_t keyAscii = *code;
    deliver(control_, "key press", [&] { control_.keyPress(keyAscii); });
    return true;
}

} // namespace norvo::qt
