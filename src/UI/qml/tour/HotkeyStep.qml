import QtQuick
import QtQuick.Layouts
import ".."

// The global shortcut: pressing it here is counted (the panel stays closed), and it
// can be changed right here.
Item {
    id: page

    ColumnLayout {
        anchors.top: parent.top
        anchors.topMargin: 52
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 100
        spacing: 0

        StepTitle { text: "Відкривайте пошук однією комбінацією"; Layout.alignment: Qt.AlignHCenter }
        StepLead {
            text: "Панель пошуку з’являється поверх будь-якої програми — там, де ви зараз пишете."
            delay: 0.1
            Layout.topMargin: 8
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredWidth: 520
        }

        // The keys of the shortcut, rebuilt (and popping in again) when it changes.
        Item {
            Layout.topMargin: 20
            Layout.alignment: Qt.AlignHCenter
            implicitWidth: keyLoader.item ? keyLoader.item.implicitWidth : 0
            implicitHeight: 90
            Loader {
                id: keyLoader
                anchors.centerIn: parent
                property var keys: tour.keycaps
                onKeysChanged: { sourceComponent = null; sourceComponent = keys.length ? keyRow : notSet }
                Component.onCompleted: sourceComponent = keys.length ? keyRow : notSet
            }
        }
        Component {
            id: keyRow
            Row {
                spacing: 12
                Repeater {
                    model: tour.keycaps
                    BigKeycap {
                        required property string modelData
                        required property int index
                        label: modelData
                        pressCount: tour.hotkeyPressCount
                        appearDelay: 0.07 * index
                    }
                }
            }
        }
        Component {
            id: notSet
            Item {
                implicitWidth: 180
                implicitHeight: 80
                Canvas {
                    anchors.fill: parent
                    onPaint: {
                        const ctx = getContext("2d")
                        ctx.reset()
                        ctx.strokeStyle = TourStyle.quaternary
                        ctx.lineWidth = 2
                        ctx.setLineDash([3, 2.5])   // in line widths: 6 on, 5 off
                        ctx.beginPath()
                        ctx.roundedRect(1, 1, width - 2, height - 2, 16, 16)
                        ctx.stroke()
                    }
                }
                Text {
                    anchors.centerIn: parent
                    text: "Не задано"
                    font.pixelSize: 16
                    font.weight: Font.DemiBold
                    color: TourStyle.tertiary
                }
            }
        }

        // Whether the shortcut was tried here.
        Item {
            Layout.topMargin: 14
            Layout.alignment: Qt.AlignHCenter
            implicitHeight: 24
            implicitWidth: Math.max(verified.implicitWidth, hint.implicitWidth)
            Row {
                id: verified
                objectName: "hotkeyVerified"
                anchors.centerIn: parent
                spacing: 6
                visible: tour.hotkeyVerified
                scale: tour.hotkeyVerified ? 1 : 0.9
                opacity: tour.hotkeyVerified ? 1 : 0
                Behavior on scale { Spring { response: 0.35; dampingFraction: 0.6 } }
                Behavior on opacity { Spring { response: 0.35; dampingFraction: 0.6 } }
                Item {
                    id: badgeIcon
                    width: 18
                    height: 18
                    anchors.verticalCenter: parent.verticalCenter
                    Rectangle { anchors.fill: parent; radius: 9; color: TourStyle.green }
                    Icon { anchors.centerIn: parent; name: "checkmark"; size: 12; lineWidth: 2.6; color: "white" }
                    // A bounce at every press.
                    property int presses: tour.hotkeyPressCount
                    onPressesChanged: bounce.restart()
                    SequentialAnimation {
                        id: bounce
                        NumberAnimation { target: badgeIcon; property: "scale"; to: 1.35; duration: 120; easing.type: Easing.OutQuad }
                        Spring { target: badgeIcon; property: "scale"; to: 1; response: 0.3; dampingFraction: 0.5 }
                    }
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: "Працює! Саме так відкривається пошук."
                    font.pixelSize: 15
                    font.weight: Font.DemiBold
                    color: TourStyle.success
                }
            }
            Text {
                id: hint
                anchors.centerIn: parent
                visible: !tour.hotkeyVerified
                text: tour.keycaps.length === 0 ? "Задайте комбінацію нижче"
                    : tour.isDefaultShortcut ? "Натисніть зараз, щоб перевірити"
                    : "Натисніть нову комбінацію, щоб перевірити"
                font.pixelSize: 15
                font.weight: Font.DemiBold
                color: TourStyle.secondary
            }
        }

        Rise {
            delay: 0.25
            Layout.topMargin: 18
            Layout.alignment: Qt.AlignHCenter
            Row {
                spacing: 12
                Rectangle { width: (420 - 24 - orWord.implicitWidth) / 2; height: 1; color: TourStyle.quaternary; anchors.verticalCenter: parent.verticalCenter }
                Text { id: orWord; text: "АБО"; font.pixelSize: 11; font.weight: Font.DemiBold; font.letterSpacing: 1; color: TourStyle.tertiary }
                Rectangle { width: (420 - 24 - orWord.implicitWidth) / 2; height: 1; color: TourStyle.quaternary; anchors.verticalCenter: parent.verticalCenter }
            }
        }

        Rise {
            delay: 0.3
            Layout.topMargin: 14
            Layout.alignment: Qt.AlignHCenter
            Row {
                spacing: 12
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: "Уже зайнято іншою програмою? Задайте свою:"
                    font.pixelSize: 14
                    color: TourStyle.secondary
                }
                ShortcutRecorderControl { recorder: tourKit.recorder; anchors.verticalCenter: parent.verticalCenter }
            }
        }

        Text {
            objectName: "shortcutProblem"
            Layout.topMargin: 8
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredHeight: 18
            text: tour.shortcutProblem.length ? tour.shortcutProblem : " "
            font.pixelSize: 13
            color: TourStyle.red
        }

        Rise {
            delay: 0.35
            Layout.topMargin: 2
            Layout.alignment: Qt.AlignHCenter
            Row {
                spacing: 6
                Text { text: "Рідко зайняті:"; font.pixelSize: 12; color: TourStyle.tertiary; anchors.verticalCenter: parent.verticalCenter }
                Repeater {
                    model: tour.offeredTitles
                    ChipButton {
                        required property string modelData
                        required property int index
                        text: modelData
                        onClicked: tour.useOffered(index)
                    }
                }
                ChipButton {
                    visible: !tour.isDefaultShortcut
                    text: tour.restoreDefaultTitle
                    onClicked: tour.restoreDefaultShortcut()
                }
            }
        }
    }
}
