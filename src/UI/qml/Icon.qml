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
        "keyboard": "M4.5 6.5 H19.5 A1.5 1.5 0 0 1 21 8 V16 A1.5 1.5 0 0 1 19.5 17.5 H4.5 A1.5 1.5 0 0 1 3 16 V8 A1.5 1.5 0 0 1 4.5 6.5 M6.5 10 H7 M10 10 H10.5 M13.5 10 H14 M17 10 H17.5 M8 14 H16",
        "magnifyingglass": "M10.5 4 A6.5 6.5 0 1 1 10.49 4 M15.3 15.3 L20.5 20.5",
        "quote.opening": "M10 6.5 C6.5 7.5 4.5 10 4.5 13.5 V17.5 H10 V12.5 H7 C7.2 10.8 8.2 9.6 10 9 Z M19.5 6.5 C16 7.5 14 10 14 13.5 V17.5 H19.5 V12.5 H16.5 C16.7 10.8 17.7 9.6 19.5 9 Z",
        "doc.on.clipboard": "M8.5 5 H6.5 A1.5 1.5 0 0 0 5 6.5 V19.5 A1.5 1.5 0 0 0 6.5 21 H17.5 A1.5 1.5 0 0 0 19 19.5 V6.5 A1.5 1.5 0 0 0 17.5 5 H15.5 M9 3 H15 V7 H9 Z M8.5 11 H15.5 M8.5 14.5 H15.5 M8.5 18 H12.5",
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
