import QtQuick

// A page of a document with inserted verses, in a serif face.
Item {
    id: document
    property var lines: []
    property bool animateLines: false
    implicitHeight: column.implicitHeight + 16

    // Lines are only ever added (or all replaced): new ones play their entrance.
    ListModel { id: lineModel }
    onLinesChanged: {
        if (lines.length < lineModel.count)
            lineModel.clear()
        for (let i = lineModel.count; i < lines.length; ++i)
            lineModel.append({ line: lines[i] })
    }
    Component.onCompleted: linesChanged()

    Shadow { target: paper; radius: 10; offsetY: 6; shapeRadius: 8; color: Qt.rgba(0, 0, 0, 0.3) }
    Rectangle { id: paper; anchors.fill: parent; radius: 8; color: "white" }
    Column {
        id: column
        x: 11
        y: 8
        width: parent.width - 22
        spacing: 1
        Repeater {
            model: lineModel
            Text {
                required property string line
                width: column.width
                text: line
                font.family: TourStyle.serif
                font.pixelSize: 10
                color: Qt.rgba(0.13, 0.13, 0.13, 1)
                elide: Text.ElideRight
                property real arrived: document.animateLines ? 0 : 1
                opacity: arrived
                transform: Translate { y: 4 * (1 - arrived) }
                Component.onCompleted: arrived = 1
                Behavior on arrived { NumberAnimation { duration: 250; easing.type: Easing.OutQuad } }
            }
        }
    }
}
