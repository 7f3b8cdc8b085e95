import QtQuick
import Qt5Compat.GraphicalEffects

// The deep blue backdrop of the demonstrations, lit from the upper left.
Item {
    id: background
    property real radius: 0
    GradientShape {
        anchors.fill: parent
        radius: background.radius
        startColor: Qt.rgba(0.11, 0.14, 0.41, 1)
        endColor: Qt.rgba(0.23, 0.14, 0.5, 1)
    }
    Rectangle { id: mask; anchors.fill: parent; radius: background.radius; visible: false }
    RadialGradient {
        anchors.fill: parent
        source: mask
        horizontalOffset: -parent.width * 0.3
        verticalOffset: -parent.height * 0.3
        horizontalRadius: 200
        verticalRadius: 200
        gradient: Gradient {
            GradientStop { position: 0; color: Qt.rgba(0.31, 0.47, 1.0, 0.5) }
            GradientStop { position: 0.5; color: Qt.rgba(0.31, 0.47, 1.0, 0) }
        }
    }
}
