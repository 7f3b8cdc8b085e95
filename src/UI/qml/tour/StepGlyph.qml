import QtQuick
import QtQuick.Shapes
import ".."

// A page's pictogram: a white symbol on a blue-violet tile.
Rise {
    property alias systemName: symbol.name
    delay: 0
    Item {
        implicitWidth: 64
        implicitHeight: 64
        Shadow { target: tile; radius: 12; offsetY: 8; shapeRadius: 18; color: Qt.rgba(0.29, 0.39, 1.0, 0.35) }
        GradientShape {
            id: tile
            anchors.fill: parent
            radius: 18
            startColor: TourStyle.glyphStart
            endColor: TourStyle.glyphEnd
        }
        Icon { id: symbol; anchors.centerIn: parent; size: 30; lineWidth: 2.2; color: "white" }
    }
}
