import QtQuick

// The sentence under a page's heading.
Rise {
    id: lead
    property alias text: label.text
    implicitWidth: Math.min(520, label.implicitWidth)
    Text {
        id: label
        font.pixelSize: 15
        color: TourStyle.secondary
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        lineHeightMode: Text.FixedHeight
        lineHeight: font.pixelSize * 1.2 + 3
        width: lead.width
    }
}
