import QtQuick
import ".."

// A result's chapter opened with →, three verses selected with Shift+↓, inserted.
DemoView {
    id: view
    kind: 1

    // Each of the three pictures slides and fades in and out.
    component Slide: Item {
        id: slide
        property bool shown: false
        property real dx: 0
        property real dy: 0
        property real presence: shown ? 1 : 0
        Behavior on presence { Spring { response: 0.4; dampingFraction: 0.85 } }
        opacity: Math.max(0, Math.min(1, presence))
        visible: opacity > 0.01
        transform: Translate { x: slide.dx * (1 - slide.presence); y: slide.dy * (1 - slide.presence) }
    }

    Slide {
        shown: !demo.inChapter && !demo.inserted
        dx: -16
        x: 16; y: 16; width: parent.width - 32
        MiniPanel { width: parent.width; query: "пастир"; rows: demo.results; selected: 0; count: 11 }
    }

    Slide {
        shown: demo.inChapter && !demo.inserted
        dx: 16
        x: 16; y: 16; width: parent.width - 32
        MiniFrame {
            id: chapter
            width: parent.width
            Item {
                width: parent.width
                height: 26
                Row {
                    x: 12
                    spacing: 5
                    anchors.verticalCenter: parent.verticalCenter
                    Icon { name: "chevron.left"; size: 8; lineWidth: 3; color: chapter.ink; anchors.verticalCenter: parent.verticalCenter }
                    Text { text: "Псалми 23"; font.pixelSize: 11; font.bold: true; color: chapter.ink }
                }
                Text {
                    anchors.right: parent.right
                    anchors.rightMargin: 12
                    anchors.verticalCenter: parent.verticalCenter
                    text: "← назад"
                    font.pixelSize: 9
                    color: chapter.inkTertiary
                }
            }
            Rectangle { width: parent.width; height: 1; color: Qt.rgba(0, 0, 0, 0.1) }
            Column {
                width: parent.width
                topPadding: 3
                bottomPadding: 3
                Repeater {
                    model: demo.chapterVerses
                    Rectangle {
                        required property string modelData
                        required property int index
                        readonly property bool inSelection: index >= Math.min(demo.anchor, demo.cursor)
                                                           && index <= Math.max(demo.anchor, demo.cursor)
                        width: parent.width
                        height: verseRow.implicitHeight + 6
                        color: inSelection ? TourStyle.alpha(TourStyle.accent, 0.15) : "transparent"
                        Behavior on color { ColorAnimation { duration: 150; easing.type: Easing.OutQuad } }
                        Row {
                            id: verseRow
                            x: 10
                            width: parent.width - 20
                            anchors.verticalCenter: parent.verticalCenter
                            spacing: 5
                            Text { text: "▸"; font.pixelSize: 9; font.bold: true; opacity: index === demo.cursor ? 1 : 0; color: chapter.ink }
                            Text { text: index + 1; font.pixelSize: 9; font.bold: true; color: chapter.inkSecondary }
                            Text {
                                width: parent.width - 30
                                text: modelData
                                font.pixelSize: 10
                                elide: Text.ElideRight
                                color: chapter.ink
                            }
                        }
                    }
                }
            }
        }
    }

    Slide {
        shown: demo.inserted
        dy: 8
        x: 16; y: 16; width: parent.width - 32
        DemoDocument {
            width: parent.width
            lines: demo.insertedLines
        }
    }

    DemoKeycap { visible: !demo.inserted; label: demo.badge; pressed: demo.pressed }
}
