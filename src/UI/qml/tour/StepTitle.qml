import QtQuick

// A page's heading.
Rise {
    property alias text: label.text
    Text {
        id: label
        font.pixelSize: 26
        font.bold: true
        font.letterSpacing: -0.4
        color: TourStyle.primary
        horizontalAlignment: Text.AlignHCenter
    }
}
