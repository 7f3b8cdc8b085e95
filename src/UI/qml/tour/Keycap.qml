import QtQuick

// A small keyboard key with its label.
Item {
    id: key
    property string label
    implicitWidth: Math.max(22, text.implicitWidth + 12)
    implicitHeight: 21

    // The key's hard bottom edge.
    Rectangle { x: 0; y: 1.5; width: parent.width; height: parent.height; radius: 5; color: Qt.rgba(0.7, 0.7, 0.7, 1) }
    Rectangle {
        anchors.fill: parent
        radius: 5
        gradient: Gradient {
            GradientStop { position: 0; color: "white" }
            GradientStop { position: 1; color: Qt.rgba(0.925, 0.925, 0.925, 1) }
        }
        border.width: 0.5
        border.color: Qt.rgba(0, 0, 0, 0.12)
    }
    Text {
        id: text
        anchors.centerIn: parent
        text: key.label
        font.pixelSize: 12
        font.bold: true
        color: Qt.rgba(0.2, 0.2, 0.2, 1)
    }
}
