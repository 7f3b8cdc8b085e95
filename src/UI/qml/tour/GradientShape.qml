import QtQuick
import Qt5Compat.GraphicalEffects

// A rounded rectangle (or circle) filled with a gradient from its top-leading to
// its bottom-trailing corner.
Item {
    id: shape
    property real radius: 0
    property color startColor
    property color endColor
    property bool diagonal: true

    Rectangle { id: mask; anchors.fill: parent; radius: shape.radius; visible: false }
    LinearGradient {
        anchors.fill: parent
        source: mask
        start: Qt.point(0, 0)
        end: shape.diagonal ? Qt.point(shape.width, shape.height) : Qt.point(shape.width, 0)
        gradient: Gradient {
            GradientStop { position: 0; color: shape.startColor }
            GradientStop { position: 1; color: shape.endColor }
        }
    }
}
