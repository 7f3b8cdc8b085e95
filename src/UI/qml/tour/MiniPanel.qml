import QtQuick
import ".."

// The search panel in miniature, always in light colours: the search row and, below
// it, result or history rows.
MiniFrame {
    id: panel
    property string query
    property bool showDigit: false
    property var rows: []
    property int selected: 0
    property int count: -1            // −1: no number
    property var selection: null      // {from, to}, or null: only `selected`
    property bool caretOn: true

    // Rows are kept by identity: only new rows play their entrance.
    ListModel { id: rowModel }
    onRowsChanged: {
        const ids = rows.map(r => r.id)
        let same = ids.length === rowModel.count
        for (let i = 0; same && i < ids.length; ++i)
            same = rowModel.get(i).rowId === ids[i]
        if (same)
            return
        rowModel.clear()
        for (const r of rows)
            rowModel.append({ rowId: r.id, kind: r.kind, reference: r.reference, preview: r.preview })
    }
    Component.onCompleted: rowsChanged()

    function highlighted(i) {
        return selection ? i >= selection.from && i <= selection.to : i === selected
    }

    Timer { interval: 530; repeat: true; running: true; onTriggered: panel.caretOn = !panel.caretOn }

    Item {
        width: parent.width
        height: 34
        Row {
            x: 12
            anchors.verticalCenter: parent.verticalCenter
            spacing: 8
            Item {
                width: 16
                height: 16
                anchors.verticalCenter: parent.verticalCenter
                Icon { anchors.centerIn: parent; name: "book.closed"; size: 14; lineWidth: 1.7; color: panel.inkSecondary }
                Text {
                    anchors.centerIn: parent
                    anchors.verticalCenterOffset: -1.5
                    text: "1"
                    font.pixelSize: 7
                    font.weight: Font.Black
                    color: panel.inkSecondary
                    opacity: panel.showDigit ? 1 : 0
                    scale: panel.showDigit ? 1 : 0.3
                    Behavior on opacity { Spring { response: 0.35; dampingFraction: 0.5 } }
                    Behavior on scale { Spring { response: 0.35; dampingFraction: 0.5 } }
                }
            }
            Row {
                anchors.verticalCenter: parent.verticalCenter
                spacing: 1
                Text { visible: panel.query.length > 0; text: panel.query; font.pixelSize: 14; color: panel.ink }
                Rectangle {
                    width: 1.5
                    height: 15
                    color: TourStyle.accent
                    opacity: panel.caretOn ? 1 : 0
                    anchors.verticalCenter: parent.verticalCenter
                }
                Text {
                    visible: panel.query.length === 0
                    text: "Введіть посилання чи слово…"
                    font.pixelSize: 14
                    color: panel.inkTertiary
                }
            }
        }
        Text {
            anchors.right: parent.right
            anchors.rightMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            visible: panel.count >= 0
            text: panel.count
            font.pixelSize: 12
            color: panel.inkTertiary
        }
    }

    Rectangle { visible: panel.rows.length > 0; width: parent.width; height: 1; color: Qt.rgba(0, 0, 0, 0.1) }

    Column {
        visible: panel.rows.length > 0
        width: parent.width
        topPadding: 3
        bottomPadding: 3
        Repeater {
            model: rowModel
            Rectangle {
                id: row
                required property int index
                required property string kind
                required property string reference
                required property string preview
                readonly property bool isCursor: index === panel.selected
                readonly property bool isHistory: kind === "history"
                width: parent.width
                height: rowContent.implicitHeight + 8
                color: panel.highlighted(index) ? TourStyle.alpha(TourStyle.accent, 0.15) : "transparent"
                // Rows arrive fading in from a little lower.
                property real arrived: 0
                opacity: Math.max(0, Math.min(1, arrived))
                transform: Translate { y: 6 * (1 - row.arrived) }
                Behavior on arrived { Spring { response: 0.35; dampingFraction: 0.8 } }
                Component.onCompleted: arrived = 1

                Row {
                    id: rowContent
                    x: 12
                    width: parent.width - 24
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 6
                    Icon {
                        visible: row.isHistory
                        name: "clock"
                        size: 10
                        lineWidth: 2.2
                        color: panel.inkTertiary
                        anchors.verticalCenter: parent.verticalCenter
                    }
                    Text {
                        id: reference
                        text: row.reference
                        font.pixelSize: 11
                        font.bold: !row.isHistory
                        color: panel.ink
                    }
                    Text {
                        visible: !row.isHistory
                        width: rowContent.width - reference.implicitWidth - 6 - (chevron.visible ? 14 : 0)
                        text: row.preview
                        textFormat: Text.StyledText
                        font.pixelSize: 11
                        color: panel.inkSecondary
                        wrapMode: Text.Wrap
                        maximumLineCount: 2
                        elide: Text.ElideRight
                    }
                }
                Icon {
                    id: chevron
                    visible: !row.isHistory && row.isCursor
                             && (!panel.selection || panel.selection.from === panel.selection.to)
                    anchors.right: parent.right
                    anchors.rightMargin: 12
                    anchors.verticalCenter: parent.verticalCenter
                    name: "chevron.right"
                    size: 8
                    lineWidth: 3
                    color: panel.inkSecondary
                }
            }
        }
    }
}
