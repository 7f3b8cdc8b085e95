import QtQuick
import QtQuick.Layouts
import ".."

// Permission to type into other programs. On X11 it is there when the server offers
// synthetic input (XTest); the page shows it and waits for it otherwise.
Item {
    id: page
    // The mock switch blinks every 1.3 s until the real permission is there.
    property bool demoToggleOn: false

    Timer {
        interval: 1300
        repeat: true
        running: !tour.permissionGranted
        onTriggered: page.demoToggleOn = !page.demoToggleOn
    }

    ColumnLayout {
        anchors.top: parent.top
        anchors.topMargin: 46
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 120
        spacing: 0

        StepGlyph { systemName: "doc.on.clipboard"; Layout.alignment: Qt.AlignHCenter }
        StepTitle { text: "Дозвольте вставляти текст"; delay: 0.1; Layout.topMargin: 18; Layout.alignment: Qt.AlignHCenter }
        StepLead {
            text: "Щоб вставляти вірші в інші програми, Linux потрібен ваш дозвіл. Увімкніть Lampstride у списку, що відкриється."
            delay: 0.2
            Layout.topMargin: 8
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredWidth: 520
        }

        // A settings window in miniature, with Lampstride's switch in it.
        Rise {
            delay: 0.3
            Layout.topMargin: 22
            Layout.alignment: Qt.AlignHCenter
            Item {
                implicitWidth: 380
                implicitHeight: illustration.implicitHeight
                Shadow { target: card; radius: 10; shapeRadius: 12; color: Qt.rgba(0, 0, 0, 0.06) }
                Rectangle {
                    id: card
                    anchors.fill: parent
                    radius: 12
                    color: TourStyle.controlBackground
                    border.width: 0.5
                    border.color: Qt.rgba(0, 0, 0, 0.1)
                    clip: true
                    Column {
                        id: illustration
                        width: parent.width
                        Rectangle {
                            width: parent.width
                            height: 28
                            color: TourStyle.alpha(TourStyle.primary, 0.04)
                            radius: 12
                            Row {
                                anchors.verticalCenter: parent.verticalCenter
                                x: 10
                                spacing: 6
                                Repeater {
                                    model: 3
                                    Rectangle { width: 9; height: 9; radius: 4.5; color: TourStyle.alpha(TourStyle.primary, 0.15) }
                                }
                            }
                        }
                        Rectangle { width: parent.width; height: 1; color: TourStyle.alpha(TourStyle.primary, 0.1) }
                        IllustrationRow { width: parent.width; name: "Інша програма"; own: false; on: true }
                        Rectangle { width: parent.width; height: 1; color: TourStyle.alpha(TourStyle.primary, 0.1) }
                        IllustrationRow {
                            width: parent.width
                            name: "Lampstride"
                            own: true
                            on: tour.permissionGranted || page.demoToggleOn
                            color: TourStyle.alpha(TourStyle.accent, 0.06)
                        }
                    }
                }
            }
        }

        Rise {
            delay: 0.4
            Layout.topMargin: 18
            Layout.alignment: Qt.AlignHCenter
            Row {
                spacing: 12
                StatusPill { anchors.verticalCenter: parent.verticalCenter }
                OnboardingButton {
                    id: openSettings
                    objectName: "openSystemSettingsButton"
                    anchors.verticalCenter: parent.verticalCenter
                    kind: "primary"
                    text: "Відкрити системні параметри"
                    onClicked: tour.requestPermission()
                    // Leaves by shrinking and fading once the permission arrives.
                    visible: opacity > 0.01
                    opacity: tour.permissionGranted ? 0 : 1
                    scale: tour.permissionGranted ? 0.9 : 1
                    Behavior on opacity { NumberAnimation { duration: 200 } }
                    Behavior on scale { NumberAnimation { duration: 200 } }
                }
            }
        }

        Rise {
            delay: 0.5
            Layout.topMargin: 12
            Layout.alignment: Qt.AlignHCenter
            Text {
                text: "Lampstride працює повністю офлайн і нічого не надсилає."
                font.pixelSize: 12
                color: TourStyle.tertiary
                horizontalAlignment: Text.AlignHCenter
            }
        }
    }

    component IllustrationRow: Rectangle {
        id: row
        property string name
        property bool own
        property bool on
        height: 44
        color: "transparent"
        AppIcon { visible: row.own; size: 24; x: 14; anchors.verticalCenter: parent.verticalCenter }
        Rectangle {
            visible: !row.own
            x: 14
            width: 24
            height: 24
            radius: 6
            color: TourStyle.alpha(TourStyle.primary, 0.1)
            anchors.verticalCenter: parent.verticalCenter
        }
        Text {
            x: 48
            anchors.verticalCenter: parent.verticalCenter
            text: row.name
            font.pixelSize: 13
            font.weight: row.own ? Font.DemiBold : Font.Normal
            color: row.own ? TourStyle.primary : TourStyle.tertiary
        }
        // The switch: a capsule with a white knob at its end when on.
        Rectangle {
            id: track
            anchors.right: parent.right
            anchors.rightMargin: 14
            anchors.verticalCenter: parent.verticalCenter
            width: 34
            height: 20
            radius: 10
            color: row.on ? TourStyle.green : TourStyle.alpha(TourStyle.primary, 0.15)
            Behavior on color { ColorAnimation { duration: 250; easing.type: Easing.InOutQuad } }
            Rectangle {
                width: 16
                height: 16
                radius: 8
                y: 2
                x: row.on ? track.width - width - 2 : 2
                color: "white"
                border.width: 0.5
                border.color: Qt.rgba(0, 0, 0, 0.12)
                Behavior on x { NumberAnimation { duration: 250; easing.type: Easing.InOutQuad } }
            }
        }
    }

    component StatusPill: Rectangle {
        id: pill
        readonly property bool granted: tour.permissionGranted
        readonly property bool waiting: tour.permissionRequested && !granted
        implicitWidth: pillRow.implicitWidth + 32
        implicitHeight: pillRow.implicitHeight + 18
        radius: height / 2
        color: granted ? TourStyle.alpha(TourStyle.green, 0.13) : TourStyle.alpha(TourStyle.primary, 0.05)
        Row {
            id: pillRow
            anchors.centerIn: parent
            spacing: 10
            Rectangle {
                id: indicator
                width: 22
                height: 22
                radius: 11
                anchors.verticalCenter: parent.verticalCenter
                color: pill.granted ? TourStyle.green : pill.waiting ? TourStyle.orange : TourStyle.alpha(TourStyle.primary, 0.2)
                Icon {
                    anchors.centerIn: parent
                    name: "checkmark"
                    size: 14
                    lineWidth: 2.6
                    color: "white"
                    opacity: pill.granted ? 1 : 0
                    scale: pill.granted ? 1 : 0.05
                    Behavior on scale { Spring { response: 0.4; dampingFraction: 0.6 } }
                    Behavior on opacity { NumberAnimation { duration: 200 } }
                }
                // While waiting for the grant the dot breathes.
                SequentialAnimation on scale {
                    running: pill.waiting
                    loops: Animation.Infinite
                    NumberAnimation { to: 0.78; duration: 550; easing.type: Easing.InOutQuad }
                    NumberAnimation { to: 1.0; duration: 550; easing.type: Easing.InOutQuad }
                    onRunningChanged: if (!running) indicator.scale = 1
                }
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: pill.granted ? "Дозвіл надано — можна вставляти"
                    : pill.waiting ? "Чекаємо… увімкніть Lampstride у списку" : "Дозвіл ще не надано"
                font.pixelSize: 14
                font.weight: Font.DemiBold
                color: pill.granted ? TourStyle.success : TourStyle.primary
            }
        }
    }
}
