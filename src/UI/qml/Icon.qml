import QtQuick
import QtQuick.Shapes

// A line icon drawn from path data on a 24 × 24 grid, in one colour.
Item {
    id: icon
    property string name
    property color color: "black"
    property real size: 16
    property real lineWidth: 1.8

    readonly property var paths: ({
        "book.closed": "M6.5 3.5 H18.5 V17.5 H6.5 A2 2 0 0 0 6.5 21.5 H18.5 V17.5 M6.5 3.5 A2 2 0 0 0 4.5 5.5 V19.5",
        "checkmark": "M5 12.5 L10 17.5 L19.5 6.5",
        "chevron.right": "M9 4.5 L16.5 12 L9 19.5",
        "chevron.left": "M15 4.5 L7.5 12 L15 19.5",
        "clock": "M12 3 A9 9 0 1 1 11.99 3 M12 7 V12 L15.5 14.5",
        "info.circle": "M12 3 A9 9 0 1 1 11.99 3 M12 11 V17 M12 7.5 V7.6",
        "gearshape": "M12 8.5 A3.5 3.5 0 1 1 11.99 8.5 M12 2.5 V5 M12 19 V21.5 M2.5 12 H5 M19 12 H21.5 M5.3 5.3 L7.1 7.1 M16.9 16.9 L18.7 18.7 M5.3 18.7 L7.1 16.9 M16.9 7.1 L18.7 5.3"
    })

    implicitWidth: size
    implicitHeight: size

    Shape {
        anchors.fill: parent
        layer.enabled: true
        layer.samples: 4
        ShapePath {
            scale: Qt.size(icon.size / 24, icon.size / 24)
            strokeColor: icon.color
            strokeWidth: icon.lineWidth
            fillColor: "transparent"
            capStyle: ShapePath.RoundCap
            joinStyle: ShapePath.RoundJoin
            PathSvg { path: icon.paths[icon.name] || "" }
        }
    }
}
