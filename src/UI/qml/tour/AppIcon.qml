import QtQuick
import ".."

// The program's icon: a closed book on a blue tile.
Item {
    id: icon
    property real size: 64
    implicitWidth: size
    implicitHeight: size
    Rectangle { anchors.fill: parent; radius: icon.size * 0.22; color: "#2f5d8a" }
    Icon {
        anchors.centerIn: parent
        name: "book.closed"
        size: icon.size * 0.72
        lineWidth: 1.5
        color: "white"
    }
}
