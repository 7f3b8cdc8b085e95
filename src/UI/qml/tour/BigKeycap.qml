import QtQuick

// A large key of the shortcut page. It pops in when it appears and, at every change
// of `pressCount`, sinks, flashes a ring and springs back.
Item {
    id: key
    property string label
    property int pressCount: 0
    property real appearDelay: 0

    // 0 up … 1 down; the ring's progress 0 … 1 (1: gone); 0 hidden … 1 shown.
    property real down: 0
    property real ripple: 1
    property real appeared: 0

    implicitWidth: Math.max(84, text.implicitWidth + 48)
    implicitHeight: 80
    opacity: Math.max(0, Math.min(1, appeared))
    scale: 0.8 + 0.2 * appeared

    Behavior on appeared { Spring { response: 0.4; dampingFraction: 0.6 } }
    Timer { interval: key.appearDelay * 1000; running: true; onTriggered: key.appeared = 1 }

    property int shownPressCount: -1
    Component.onCompleted: shownPressCount = pressCount
    onPressCountChanged: {
        if (shownPressCount < 0)
            return
        shownPressCount = pressCount
        press()
    }

    function press() {
        sinkBack.stop()
        rippleAnimation.stop()
        ripple = 0
        sink.restart()
        rippleAnimation.restart()
        // An earlier press's release is not cancelled: the key rises 0.22 s after it.
        releases.push(Date.now() + 220)
        if (!releaseTimer.running)
            releaseTimer.schedule()
    }

    // Due times of the releases still to come, earliest first.
    property var releases: []
    Timer {
        id: releaseTimer
        function schedule() {
            interval = Math.max(0, key.releases[0] - Date.now())
            start()
        }
        onTriggered: {
            key.releases.shift()
            sinkBack.restart()
            if (key.releases.length)
                schedule()
        }
    }

    NumberAnimation { id: sink; target: key; property: "down"; to: 1; duration: 80; easing.type: Easing.OutQuad }
    Spring { id: sinkBack; target: key; property: "down"; to: 0; response: 0.3; dampingFraction: 0.55 }
    NumberAnimation { id: rippleAnimation; target: key; property: "ripple"; from: 0; to: 1; duration: 600; easing.type: Easing.OutQuad }

    Item {
        id: body
        width: key.width
        height: key.height
        y: 4 * key.down

        // Soft shadow and hard edge, both closer to the key while it is down.
        Shadow {
            target: face
            radius: 14 - 6 * key.down
            offsetY: 12 - 6 * key.down
            shapeRadius: 16
            color: Qt.rgba(0, 0, 0, 0.14)
        }
        Rectangle {
            x: 0
            y: 5 - 4 * key.down
            width: face.width
            height: face.height
            radius: 16
            color: Qt.rgba(0.7, 0.7, 0.7, 1)
        }
        Rectangle {
            id: face
            anchors.fill: parent
            radius: 16
            gradient: Gradient {
                GradientStop {
                    position: 0
                    color: Qt.rgba(1 - 0.07 * key.down, 1 - 0.05 * key.down, 1, 1)
                }
                GradientStop {
                    position: 1
                    color: Qt.rgba(0.915 - 0.055 * key.down, 0.915 - 0.015 * key.down, 0.915 + 0.085 * key.down, 1)
                }
            }
            border.width: 0.5
            border.color: Qt.rgba(0, 0, 0, 0.12)
        }
        Text {
            id: text
            anchors.centerIn: parent
            text: key.label
            font.pixelSize: key.label.length < 2 ? 30 : 22
            font.bold: true
            color: Qt.rgba(0.13, 0.13, 0.13, 1)
        }
        // The ring that flashes out from the key.
        Rectangle {
            anchors.fill: parent
            anchors.margins: -5
            radius: 20
            color: "transparent"
            border.width: 3
            border.color: TourStyle.alpha(TourStyle.accent, 0.8)
            scale: 1 + 0.3 * key.ripple
            opacity: 1 - key.ripple
        }
    }
}
