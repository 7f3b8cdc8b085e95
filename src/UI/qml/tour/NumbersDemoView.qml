import QtQuick
import ".."

// Verse numbers switched on from the book icon's menu, then a range typed and inserted.
DemoView {
    kind: 2

    MiniPanel {
        x: 16
        y: 16
        width: parent.width - 32
        query: demo.query
        rows: demo.rows
        showDigit: demo.digit
    }

    // The insertion menu, hanging from the book icon.
    Item {
        id: popover
        x: 22
        y: 50
        width: 160
        height: items.implicitHeight + 8
        transformOrigin: Item.TopLeft
        property real presence: demo.popover ? 1 : 0
        Behavior on presence { Spring { response: 0.25; dampingFraction: 0.8 } }
        opacity: Math.max(0, Math.min(1, presence))
        scale: 0.9 + 0.1 * presence
        visible: opacity > 0.01
        Shadow { target: menuFace; radius: 8; offsetY: 4; shapeRadius: 7; color: Qt.rgba(0, 0, 0, 0.3) }
        Rectangle { id: menuFace; anchors.fill: parent; radius: 7; color: Qt.rgba(0.985, 0.985, 0.985, 1) }
        Column {
            id: items
            x: 4
            y: 4
            width: parent.width - 8
            Repeater {
                model: [{ title: "З номерами віршів", checked: false }, { title: "Без номерів віршів", checked: true }]
                Rectangle {
                    required property var modelData
                    required property int index
                    readonly property bool highlighted: index === 0 && demo.popoverHighlight
                    width: parent.width
                    height: 20
                    radius: 4
                    color: highlighted ? TourStyle.accent : "transparent"
                    Row {
                        x: 6
                        spacing: 5
                        anchors.verticalCenter: parent.verticalCenter
                        Icon {
                            name: "checkmark"
                            size: 8
                            lineWidth: 3
                            opacity: modelData.checked ? 1 : 0
                            color: parent.parent.highlighted ? "white" : Qt.rgba(0.12, 0.12, 0.12, 1)
                            anchors.verticalCenter: parent.verticalCenter
                        }
                        Text {
                            text: modelData.title
                            font.pixelSize: 11
                            color: parent.parent.highlighted ? "white" : Qt.rgba(0.12, 0.12, 0.12, 1)
                        }
                    }
                }
            }
        }
    }

    DemoDocument {
        visible: demo.docLines.length > 0
        x: 16
        width: parent.width - 32
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 16
        lines: demo.docLines
        animateLines: true
    }
}
