import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ".."

// One real search and insertion, into a note inside the tour.
Item {
    id: page
    property bool caretVisible: true
    readonly property var examples: ["Ів 3:16", "Пс 23:1", "Рим 8:28", "не бійся"]

    Timer { interval: 530; repeat: true; running: true; onTriggered: page.caretVisible = !page.caretVisible }

    function bold(text) { return "<b><font color=\"" + TourStyle.primary + "\">" + text + "</font></b>" }
    function escaped(text) {
        return text.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;").replace(/\n/g, "<br>")
    }

    ColumnLayout {
        anchors.top: parent.top
        anchors.topMargin: 52
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 120
        spacing: 0

        StepTitle { text: "Спробуйте самі"; Layout.alignment: Qt.AlignHCenter }
        Rise {
            delay: 0.1
            Layout.topMargin: 8
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredWidth: 540
            Text {
                textFormat: Text.StyledText
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
                font.pixelSize: 15
                color: TourStyle.secondary
                text: "Натисніть " + page.bold(tour.shortcutText.length ? tour.shortcutText : "гарячу клавішу")
                    + ", введіть " + page.bold("Ів 3:16") + " і натисніть " + page.bold("Enter")
                    + " — вірш з’явиться в нотатці нижче."
            }
        }

        // The note that receives the verse.
        Rise {
            delay: 0.2
            Layout.topMargin: 18
            Layout.alignment: Qt.AlignHCenter
            Item {
                implicitWidth: 560
                implicitHeight: 150
                Shadow {
                    target: note
                    radius: 10
                    offsetY: 6
                    shapeRadius: 12
                    color: tour.practiced ? TourStyle.alpha(TourStyle.green, 0.08) : Qt.rgba(0, 0, 0, 0.08)
                }
                Rectangle {
                    id: note
                    objectName: "practiceNote"
                    anchors.fill: parent
                    radius: 12
                    color: TourStyle.textBackground
                    border.width: tour.practiced ? 2 : 0.5
                    border.color: tour.practiced ? TourStyle.alpha(TourStyle.green, 0.6) : Qt.rgba(0, 0, 0, 0.12)
                    Behavior on border.width { Spring { response: 0.4; dampingFraction: 0.8 } }
                    clip: true
                    Column {
                        x: 20
                        y: 16
                        width: parent.width - 40
                        spacing: 6
                        Text {
                            text: "Мої нотатки"
                            font.pixelSize: 12
                            font.weight: Font.DemiBold
                            color: TourStyle.tertiary
                        }
                        Text {
                            objectName: "noteText"
                            width: parent.width
                            textFormat: Text.RichText
                            wrapMode: Text.Wrap
                            font.family: TourStyle.serif
                            font.pixelSize: 16
                            lineHeightMode: Text.FixedHeight
                            lineHeight: 24
                            color: TourStyle.palette.text
                            text: {
                                const revealed = tour.revealedText
                                let html = "Мій улюблений вірш: "
                                if (tour.practiceRevealed >= 1)
                                    html += "<span style=\"background-color: #fff0a6\">" + page.escaped(revealed) + "</span>"
                                if (!tour.practiced)
                                    html += "<font color=\"" + TourStyle.accent + "\">" + (page.caretVisible ? "|" : "&nbsp;") + "</font>"
                                return html
                            }
                        }
                    }
                }
            }
        }

        Rise {
            delay: 0.3
            Layout.topMargin: 14
            Layout.alignment: Qt.AlignHCenter
            Row {
                spacing: 6
                Text { text: "Спробуйте:"; font.pixelSize: 13; color: TourStyle.tertiary; anchors.verticalCenter: parent.verticalCenter }
                Repeater {
                    model: page.examples
                    ChipButton {
                        required property string modelData
                        objectName: "example " + modelData
                        text: modelData
                        fontSize: 13
                        onClicked: tour.openSearch(modelData)
                    }
                }
            }
        }

        // After the insertion the praise, before it a way to open the panel by hand.
        Item {
            Layout.topMargin: 14
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredWidth: 540
            implicitHeight: Math.max(praise.implicitHeight, manual.implicitHeight)
            Text {
                id: praise
                width: parent.width
                visible: tour.practiced
                text: "Чудово! Так само це працює в текстовому редакторі, нотатках, месенджері чи презентації."
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
                font.pixelSize: 15
                font.weight: Font.DemiBold
                color: TourStyle.success
                opacity: tour.practiced ? 1 : 0
                transform: Translate { y: tour.practiced ? 0 : 8; Behavior on y { Spring { response: 0.4; dampingFraction: 0.8 } } }
                Behavior on opacity { Spring { response: 0.4; dampingFraction: 0.8 } }
            }
            Rise {
                id: manual
                delay: 0.35
                visible: !tour.practiced
                anchors.horizontalCenter: parent.horizontalCenter
                AbstractButton {
                    id: link
                    objectName: "openManually"
                    focusPolicy: Qt.StrongFocus
                    implicitWidth: linkText.implicitWidth
                    implicitHeight: linkText.implicitHeight
                    onClicked: tour.openSearchEmpty()
                    contentItem: Text {
                        id: linkText
                        text: "Гаряча клавіша не спрацьовує? Відкрити пошук вручну"
                        font.pixelSize: 13
                        font.underline: link.hovered || link.visualFocus
                        color: TourStyle.accent
                    }
                    background: null
                    HoverHandler { cursorShape: Qt.PointingHandCursor }
                }
            }
        }
    }
}
