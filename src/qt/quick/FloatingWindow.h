#pragma once

#include <QQuickWindow>

namespace norvo::qt {

// A borderless window above the one it belongs to that takes no focus: what
// shows beyond the panel's own window (a tooltip, a dropped-down list), whose
// keyboard stays with the panel. Its content is one item, which it takes the
// size of; it moves with its owner (the panel's window being dragged);
// closing it deletes it with its content.
class FloatingWindow : public QQuickWindow {
    Q_OBJECT

public:
    explicit FloatingWindow(QWindow& owner);

    // Shows the item (made on contentItem()) with its top left corner at
    // the position on the screen.
    void present(QQuickItem& item, QPoint at);
    // Deletes the window an item was presented in, once control returns to
    // the event loop (the item may be handling the event that closes it).
    static void discard(QQuickItem* item);

private:
    void followOwner();

    QWindow& owner_;
    // Where it stands from its owner's top left corner.
    QPoint offset_;
};

} // namespace norvo::qt
