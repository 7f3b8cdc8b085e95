import QtQuick
import QtQuick.Controls
import ".."

// Four habits of the panel, each with a short explanation and a scripted
// demonstration; when one has played to its end the next tab follows.
Item {
    id: page
    property int tip: 0
    readonly property var titles: ["Пошук за словом", "Розділ і виділення", "Номери віршів", "Історія та клавіші"]

    function advance() { tip = (tip + 1) % titles.length }
    onTipChanged: tourKit.note("порада: " + tip)

    Column {
        x: 40
        y: 50
        width: parent.width - 80
        spacing: 0

        Rise {
            Text { text: "Корисні прийоми"; font.pixelSize: 26; font.bold: true; font.letterSpacing: -0.4; color: TourStyle.primary }
        }
        Item { width: 1; height: 16 }
        Rise {
            delay: 0.1
            Rectangle {
                implicitWidth: tabs.implicitWidth + 6
                implicitHeight: tabs.implicitHeight + 6
                radius: 10
                color: TourStyle.alpha(TourStyle.primary, 0.06)
                Row {
                    id: tabs
                    anchors.centerIn: parent
                    spacing: 2
                    Repeater {
                        model: page.titles
                        AbstractButton {
                            id: tab
                            required property string modelData
                            required property int index
                            readonly property bool selected: page.tip === index
                            objectName: "tab " + index
                            focusPolicy: Qt.StrongFocus
                            implicitWidth: tabLabel.implicitWidth + 24
                            implicitHeight: tabLabel.implicitHeight + 12
                            onClicked: page.tip = index
                            background: Item {
                                Shadow { target: tabFill; visible: tab.selected; radius: 1.5; shapeRadius: 8; color: Qt.rgba(0, 0, 0, 0.12) }
                                Rectangle {
                                    id: tabFill
                                    anchors.fill: parent
                                    radius: 8
                                    color: tab.selected ? TourStyle.controlBackground : "transparent"
                                    border.width: tab.visualFocus ? 1.5 : 0
                                    border.color: TourStyle.alpha(TourStyle.accent, 0.6)
                                    Behavior on color { ColorAnimation { duration: 200; easing.type: Easing.InOutQuad } }
                                }
                            }
                            contentItem: Text {
                                id: tabLabel
                                text: tab.modelData
                                font.pixelSize: 13
                                font.weight: Font.DemiBold
                                color: tab.selected ? TourStyle.primary : TourStyle.secondary
                                horizontalAlignment: Text.AlignHCenter
                                verticalAlignment: Text.AlignVCenter
                            }
                        }
                    }
                }
            }
        }
        Item { width: 1; height: 20 }
        Rise {
            delay: 0.2
            Row {
                spacing: 26
                // The demonstration box: a new demonstration for every tip.
                Item {
                    id: box
                    width: 330
                    height: 236
                    DemoBackground { anchors.fill: parent; radius: 14 }
                    Item {
                        anchors.fill: parent
                        clip: true
                        Loader {
                            id: demoLoader
                            objectName: "demoBox"
                            anchors.fill: parent
                            sourceComponent: [searchDemo, chapterDemo, numbersDemo, historyDemo][page.tip]
                        }
                    }
                }
                // The explanation, cross-faded when the tip changes.
                Item {
                    width: 244
                    height: 236
                    TipInfo {
                        id: info
                        width: parent.width
                        tip: page.tip
                    }
                }
            }
        }
    }

    Component { id: searchDemo; SearchDemoView { onFinished: page.advance() } }
    Component { id: chapterDemo; ChapterDemoView { onFinished: page.advance() } }
    Component { id: numbersDemo; NumbersDemoView { onFinished: page.advance() } }
    Component { id: historyDemo; HistoryDemoView { onFinished: page.advance() } }
}
