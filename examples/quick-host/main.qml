import QtQuick
import QtQuick.Window
import NorvoUITOKA.Quick

// The panel in a borderless window of its own size, which it rounds and
// moves by its title area; its close button closes the window.
Window {
    id: window
    width: panel.implicitWidth
    height: panel.implicitHeight
    flags: Qt.FramelessWindowHint
    color: "black"
    visible: true

    TokaPanel {
        id: panel
        objectName: "panel"
        ownsWindow: true
        focus: true
        network: SimulatedNetwork {}
        onQuit: window.close()
        onSettingsProblem: (file, message) => console.warn(file + ": " + message)
    }
}
