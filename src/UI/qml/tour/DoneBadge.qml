import QtQuick
import QtQuick.Shapes

// The last page's badge: a green circle pops in and a check draws itself on it.
Item {
    id: badge
    property real appeared: 0
    property real drawn: 0

    implicitWidth: 84
    implicitHeight: 84
    scale: 0.3 + 0.7 * appeared
    opacity: Math.max(0, Math.min(1, appeared))

    Behavior on appeared { Spring { response: 0.55; dampingFraction: 0.55 } }
    NumberAnimation on drawn { id: draw; running: false; to: 1; duration: 450; easing.type: Easing.OutQuad }
    Component.onCompleted: appeared = 1
    Timer { interval: 400; running: true; onTriggered: draw.start() }

    Shadow { target: circle; radius: 14; offsetY: 10; shapeRadius: 42; color: TourStyle.alpha(TourStyle.green, 0.35) }
    GradientShape {
        id: circle
        anchors.fill: parent
        radius: width / 2
        startColor: Qt.rgba(0.19, 0.76, 0.36, 1)
        endColor: Qt.rgba(0.12, 0.63, 0.63, 1)
    }

    // The check in the badge's inner square (inset 18), drawn up to `drawn` of its length.
    readonly property var checkPoints: {
        const w = 48, h = 48, o = 18
        return [Qt.point(o + 0.2 * w, o + 0.52 * h), Qt.point(o + 0.4 * w, o + 0.72 * h), Qt.point(o + 0.8 * w, o + 0.3 * h)]
    }
    function partialPath(points, fraction) {
        let total = 0
        const lengths = []
        for (let i = 1; i < points.length; ++i) {
            const l = Math.hypot(points[i].x - points[i - 1].x, points[i].y - points[i - 1].y)
            lengths.push(l)
            total += l
        }
        let left = total * Math.max(0, Math.min(1, fraction))
        const path = [points[0]]
        for (let i = 1; i < points.length && left > 0; ++i) {
            const t = Math.min(1, left / lengths[i - 1])
            path.push(Qt.point(points[i - 1].x + t * (points[i].x - points[i - 1].x),
                               points[i - 1].y + t * (points[i].y - points[i - 1].y)))
            left -= lengths[i - 1]
        }
        return path
    }

    Shape {
        anchors.fill: parent
        visible: badge.drawn > 0
        layer.enabled: true
        layer.samples: 4
        ShapePath {
            strokeColor: "white"
            strokeWidth: 6
            fillColor: "transparent"
            capStyle: ShapePath.RoundCap
            joinStyle: ShapePath.RoundJoin
            PathPolyline { path: badge.partialPath(badge.checkPoints, badge.drawn) }
        }
    }
}
