import QtQuick
import QtQuick.Layouts
import Qt5Compat.GraphicalEffects
import ".."

// The greeting.
Item {
    ColumnLayout {
        anchors.centerIn: parent
        // (Wider than the page's margins would allow: the chip row needs the room.)
        width: parent.width - 40
        spacing: 0

        AppIconHero { size: 132; Layout.alignment: Qt.AlignHCenter }
        Rise {
            delay: 0.35
            Layout.topMargin: 22
            Layout.alignment: Qt.AlignHCenter
            Text {
                text: "Ласкаво просимо до Lampstride"
                font.pixelSize: 34
                font.weight: Font.Black
                font.letterSpacing: -0.8
                color: TourStyle.primary
                horizontalAlignment: Text.AlignHCenter
            }
        }
        Rise {
            delay: 0.5
            Layout.topMargin: 4
            Layout.alignment: Qt.AlignHCenter
            Item {
                implicitWidth: tagline.implicitWidth
                implicitHeight: tagline.implicitHeight
                Text {
                    id: tagline
                    text: "Біблія в один клік"
                    font.pixelSize: 19
                    font.weight: Font.DemiBold
                    visible: false
                }
                LinearGradient {
                    anchors.fill: tagline
                    source: tagline
                    start: Qt.point(0, 0)
                    end: Qt.point(tagline.width, 0)
                    gradient: Gradient {
                        GradientStop { position: 0; color: Qt.rgba(0.18, 0.42, 1.0, 1) }
                        GradientStop { position: 1; color: Qt.rgba(0.54, 0.30, 1.0, 1) }
                    }
                }
            }
        }
        StepLead {
            text: tourKit.welcomeLead
            delay: 0.65
            Layout.topMargin: 8
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredWidth: 520
        }
        Row {
            Layout.topMargin: 24
            Layout.alignment: Qt.AlignHCenter
            spacing: 12
            Repeater {
                model: [
                    { icon: "keyboard", title: "Одна гаряча клавіша", delay: 0.8 },
                    { icon: "magnifyingglass", title: "Пошук за словом", delay: 0.9 },
                    { icon: "quote.opening", title: "Вставка з посиланням", delay: 1.0 }
                ]
                Rise {
                    required property var modelData
                    delay: modelData.delay
                    Item {
                        implicitWidth: chipRow.implicitWidth + 28
                        implicitHeight: chipRow.implicitHeight + 18
                        Shadow { target: chipFill; radius: 4; offsetY: 2; shapeRadius: 12; color: Qt.rgba(0, 0, 0, 0.06) }
                        Rectangle {
                            id: chipFill
                            anchors.fill: parent
                            radius: 12
                            color: TourStyle.controlBackground
                            border.width: 0.5
                            border.color: Qt.rgba(0, 0, 0, 0.08)
                        }
                        Row {
                            id: chipRow
                            anchors.centerIn: parent
                            spacing: 8
                            Icon { name: modelData.icon; size: 16; color: TourStyle.accent; anchors.verticalCenter: parent.verticalCenter }
                            Text {
                                text: modelData.title
                                font.pixelSize: 13
                                font.weight: Font.DemiBold
                                color: TourStyle.primary
                                anchors.verticalCenter: parent.verticalCenter
                            }
                        }
                    }
                }
            }
        }
    }
}
