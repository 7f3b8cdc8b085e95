import QtQuick
import QtQuick.Controls

// The tour's buttons: primary (accent, may glow), secondary (tinted), plain (text).
AbstractButton {
    id: button
    property string kind: "primary"
    property bool large: false
    property bool glowing: false
    // 0 small glow … 1 large glow; breathes while a primary button glows.
    property real pulse: 0

    readonly property bool isPrimary: kind === "primary"
    readonly property real sidePadding: large ? 26 : kind === "plain" ? 10 : 18

    implicitWidth: label.implicitWidth + 2 * sidePadding
    implicitHeight: large ? 40 : 32
    focusPolicy: Qt.StrongFocus
    scale: down ? 0.97 : 1

    SequentialAnimation on pulse {
        running: button.isPrimary && button.glowing
        loops: Animation.Infinite
        NumberAnimation { to: 1; duration: 800; easing.type: Easing.InOutQuad }
        NumberAnimation { to: 0; duration: 800; easing.type: Easing.InOutQuad }
    }
    onGlowingChanged: pulse = 0

    background: Item {
        Shadow {
            target: fill
            visible: button.isPrimary
            radius: 6 + 6 * button.pulse
            offsetY: 3
            shapeRadius: fill.radius
            color: TourStyle.alpha(TourStyle.accent, 0.3 + 0.4 * button.pulse)
        }
        Rectangle {
            id: fill
            anchors.fill: parent
            radius: button.large ? 11 : 9
            color: button.isPrimary ? (button.down ? Qt.darker(TourStyle.accent, 1.12) : TourStyle.accent)
                 : button.kind === "secondary" ? TourStyle.alpha(TourStyle.primary, button.down ? 0.12 : 0.07)
                 : "transparent"
            border.width: button.visualFocus ? 2 : 0
            border.color: TourStyle.alpha(TourStyle.accent, 0.6)
        }
    }
    contentItem: Text {
        id: label
        text: button.text
        font.pixelSize: button.large ? 15 : 14
        font.weight: button.kind === "plain" ? Font.Medium : Font.DemiBold
        color: button.isPrimary ? "white" : button.kind === "secondary" ? TourStyle.primary : TourStyle.secondary
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
}
