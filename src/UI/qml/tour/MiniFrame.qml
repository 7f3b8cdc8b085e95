import QtQuick

// The frame of the panel in miniature, always in light colours whatever the desktop's:
// a rounded card with a deep shadow, as tall as the column it holds.
Item {
    id: frame
    default property alias content: column.data

    readonly property color ink: Qt.rgba(0.12, 0.12, 0.12, 1)
    readonly property color inkSecondary: Qt.rgba(0.12, 0.12, 0.12, 0.62)
    readonly property color inkTertiary: Qt.rgba(0.12, 0.12, 0.12, 0.42)

    implicitHeight: column.implicitHeight

    Shadow { target: face; radius: 14; offsetY: 8; shapeRadius: 11; color: Qt.rgba(0, 0, 0, 0.35) }
    Rectangle {
        id: face
        width: parent.width
        height: column.implicitHeight
        radius: 11
        color: Qt.rgba(0.965, 0.965, 0.965, 1)
        clip: true
        Column {
            id: column
            width: parent.width
        }
    }
}
