import QtQuick
import QtQuick.Controls

// A small capsule button.
AbstractButton {
    id: chip
    property real fontSize: 12
    implicitWidth: label.implicitWidth + 18
    implicitHeight: label.implicitHeight + 8
    focusPolicy: Qt.StrongFocus
    background: Rectangle {
        radius: height / 2
        color: TourStyle.alpha(TourStyle.primary, chip.down ? 0.12 : 0.06)
        border.width: chip.visualFocus ? 1.5 : 0
        border.color: TourStyle.alpha(TourStyle.accent, 0.7)
    }
    contentItem: Text {
        id: label
        text: chip.text
        font.pixelSize: chip.fontSize
        font.weight: Font.DemiBold
        color: TourStyle.secondary
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
}
