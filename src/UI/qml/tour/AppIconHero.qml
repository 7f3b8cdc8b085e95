import QtQuick

// The welcome page's icon: it pops in with a slight turn, a gleam crosses it once,
// then it bobs gently.
Item {
    id: hero
    property real size: 132
    property real appeared: 0
    property real sweep: 0
    property real floating: 0

    implicitWidth: size
    implicitHeight: size

    Behavior on appeared { Spring { response: 0.6; dampingFraction: 0.55 } }
    NumberAnimation on sweep { id: sweepAnimation; running: false; to: 1; duration: 1100; easing.type: Easing.InOutQuad }
    SequentialAnimation on floating {
        id: floatAnimation
        running: false
        loops: Animation.Infinite
        NumberAnimation { to: 1; duration: 2000; easing.type: Easing.InOutQuad }
        NumberAnimation { to: 0; duration: 2000; easing.type: Easing.InOutQuad }
    }
    Component.onCompleted: appeared = 1
    Timer { interval: 900; running: true; onTriggered: sweepAnimation.start() }
    Timer { interval: 1000; running: true; onTriggered: floatAnimation.start() }

    Item {
        id: body
        width: hero.size
        height: hero.size
        y: -5 * hero.floating
        scale: 0.4 + 0.6 * hero.appeared
        rotation: -8 * (1 - hero.appeared)
        opacity: Math.max(0, Math.min(1, hero.appeared))

        Shadow {
            target: icon
            radius: 15
            offsetY: 14
            shapeRadius: hero.size * 0.22
            color: Qt.rgba(0.16, 0.16, 0.47, 0.35)
        }
        AppIcon { id: icon; size: hero.size }
        // The gleam, seen only inside the icon.
        Item {
            anchors.fill: parent
            anchors.margins: hero.size * 0.04
            clip: true
            Rectangle {
                width: hero.size * 0.45
                height: hero.size * 1.3
                y: -hero.size * 0.15
                // centred on the icon, then moved from −0.6 to +1.3 icon widths
                x: hero.size * (0.275 - 0.04 - 0.6 + 1.9 * hero.sweep)
                rotation: 12
                gradient: Gradient {
                    orientation: Gradient.Horizontal
                    GradientStop { position: 0; color: Qt.rgba(1, 1, 1, 0) }
                    GradientStop { position: 0.5; color: Qt.rgba(1, 1, 1, 0.6) }
                    GradientStop { position: 1; color: Qt.rgba(1, 1, 1, 0) }
                }
            }
        }
    }
}
