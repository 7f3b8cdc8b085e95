import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ".."

// The summary, with the login-item choice that the final button applies.
Item {
    id: page

    ColumnLayout {
        anchors.top: parent.top
        anchors.topMargin: 46
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 120
        spacing: 0

        DoneBadge { Layout.alignment: Qt.AlignHCenter }
        StepTitle { text: "Усе готово!"; delay: 0.3; Layout.topMargin: 18; Layout.alignment: Qt.AlignHCenter }
        StepLead {
            text: "Lampstride живе в системному лотку (іконка книги) — там пошук, налаштування і цей вступ."
            delay: 0.4
            Layout.topMargin: 8
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredWidth: 520
        }

        Rise {
            delay: 0.5
            Layout.topMargin: 22
            Layout.alignment: Qt.AlignHCenter
            Item {
                implicitWidth: 460
                implicitHeight: rows.implicitHeight
                Shadow { target: card; radius: 8; offsetY: 4; shapeRadius: 12; color: Qt.rgba(0, 0, 0, 0.05) }
                Rectangle {
                    id: card
                    anchors.fill: parent
                    radius: 12
                    color: TourStyle.controlBackground
                    border.width: 0.5
                    border.color: Qt.rgba(0, 0, 0, 0.1)
                }
                Column {
                    id: rows
                    width: parent.width

                    SummaryRow {
                        label: "Гаряча клавіша"
                        Row {
                            spacing: 3
                            visible: tour.keycaps.length > 0
                            Repeater { model: tour.keycaps; Keycap { required property string modelData; label: modelData } }
                        }
                        Text {
                            visible: tour.keycaps.length === 0
                            text: "не задано"
                            font.pixelSize: 14
                            color: TourStyle.red
                        }
                    }
                    Rectangle { width: parent.width; height: 1; color: TourStyle.alpha(TourStyle.primary, 0.1) }
                    SummaryRow {
                        label: "Запускати при вході в систему"
                        detail: "Щоб пошук завжди був під рукою"
                        Switch {
                            objectName: "launchAtLoginSwitch"
                            checked: tour.launchAtLogin
                            onToggled: tour.launchAtLogin = checked
                            Accessible.name: "Запускати при вході в систему"
                        }
                    }
                    Rectangle { width: parent.width; height: 1; color: TourStyle.alpha(TourStyle.primary, 0.1) }
                    SummaryRow {
                        label: "Дозвіл на вставку"
                        Row {
                            spacing: 4
                            visible: tour.permissionGranted
                            Icon { name: "checkmark"; size: 13; lineWidth: 2.4; color: TourStyle.green; anchors.verticalCenter: parent.verticalCenter }
                            Text { text: "надано"; font.pixelSize: 13; color: TourStyle.green }
                        }
                        AbstractButton {
                            id: grantNow
                            visible: !tour.permissionGranted
                            focusPolicy: Qt.StrongFocus
                            implicitWidth: grantText.implicitWidth
                            implicitHeight: grantText.implicitHeight
                            onClicked: tour.go(1)
                            contentItem: Text {
                                id: grantText
                                text: "надати зараз"
                                font.pixelSize: 13
                                font.underline: grantNow.hovered || grantNow.visualFocus
                                color: TourStyle.accent
                            }
                            background: null
                        }
                    }
                }
            }
        }
    }

    // A label (with an optional second line) at the leading side, a value at the trailing side.
    component SummaryRow: Item {
        id: row
        property string label
        property string detail
        default property alias value: valueBox.data
        width: parent ? parent.width : 0
        implicitHeight: Math.max(labels.implicitHeight, valueBox.childrenRect.height) + 22
        Column {
            id: labels
            x: 16
            anchors.verticalCenter: parent.verticalCenter
            spacing: 2
            Text { text: row.label; font.pixelSize: 14; color: TourStyle.primary }
            Text { visible: row.detail.length > 0; text: row.detail; font.pixelSize: 12; color: TourStyle.tertiary }
        }
        Row {
            id: valueBox
            anchors.right: parent.right
            anchors.rightMargin: 16
            anchors.verticalCenter: parent.verticalCenter
        }
    }
}
