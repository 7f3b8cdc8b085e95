import QtQuick
import QtQuick.Controls

// The shortcut recorder: a button showing the shortcut (a click starts recording the
// next combination) and a small button that clears it.
Item {
    id: control
    required property var recorder

    implicitWidth: 170
    implicitHeight: 24
    // The title's baseline, for lining it up with a row's label.
    readonly property real titleBaseline: recordButton.y + recordButton.baselineOffset

    Button {
        id: recordButton
        objectName: "recordButton"
        x: 0
        y: 0
        width: 150
        height: control.height
        text: control.recorder.title
        font.pixelSize: 11
        leftPadding: 4
        rightPadding: 4
        focusPolicy: Qt.StrongFocus
        onClicked: {
            forceActiveFocus()
            control.recorder.startRecording()
        }
        // While recording every key goes to the recorder, none to the form.
        Keys.onPressed: (event) => {
            if (control.recorder.keyPressed(event.key, event.modifiers, event.nativeScanCode))
                event.accepted = true
        }
        Keys.onShortcutOverride: (event) => { event.accepted = control.recorder.isRecording }
        onActiveFocusChanged: {
            if (!activeFocus)
                control.recorder.focusLost()
        }
    }

    // The clear button: a filled circle with a cross.
    AbstractButton {
        id: clearButton
        objectName: "clearButton"
        x: 154
        y: (control.height - 16) / 2
        width: 16
        height: 16
        focusPolicy: Qt.StrongFocus
        Accessible.name: "Прибрати гарячу клавішу"
        onClicked: control.recorder.clearShortcut()
        HoverHandler { id: clearHover }
        ToolTip.visible: clearHover.hovered
        ToolTip.text: "Прибрати гарячу клавішу"
        contentItem: Item {
            Rectangle {
                anchors.fill: parent
                radius: width / 2
                color: clearButton.activeFocus ? palette.highlight : Qt.rgba(0, 0, 0, clearButton.down ? 0.55 : 0.38)
            }
            Rectangle { anchors.centerIn: parent; width: 8; height: 1.6; radius: 0.8; rotation: 45; color: "white" }
            Rectangle { anchors.centerIn: parent; width: 8; height: 1.6; radius: 0.8; rotation: -45; color: "white" }
        }
        background: null
    }
}
