import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// One row of the result list: a verse result, a book suggestion or a recent query.
Column {
    id: entry
    objectName: "resultRow"
    required property int index
    required property string kind
    required property string title
    required property string preview
    required property string hint
    required property bool matchedOtherWordForms
    required property bool startsOtherWordForms

    property var theme
    readonly property bool isCursor: index === panelState.selectedIndex
    readonly property bool isSelected: index >= panelState.selectionFirst && index <= panelState.selectionLast
    readonly property bool isVerse: kind === "verse"
    readonly property string shownPreview: previewText.text
    readonly property bool chevronShown: chevron.visible

    signal clicked(int index, bool shift)
    signal doubleClicked(int index)

    width: ListView.view ? ListView.view.width : 0

    // Between the words as typed and their other forms.
    Item {
        width: parent.width
        height: entry.startsOtherWordForms ? 13 : 0
        visible: entry.startsOtherWordForms
        Divider { y: 6; leftInset: 20; rightInset: 20; lineColor: entry.theme.divider }
    }

    Rectangle {
        width: parent.width
        height: content.implicitHeight + 12
        color: entry.isSelected ? entry.theme.selection : "transparent"

        RowLayout {
            id: content
            x: 20
            y: 6
            width: parent.width - 40
            spacing: 10

            Text {
                text: "▸"
                font.pixelSize: 13
                font.weight: Font.DemiBold
                color: entry.theme.primary
                opacity: entry.isCursor ? 1 : 0
                Layout.alignment: Qt.AlignTop
            }

            Column {
                visible: entry.isVerse
                spacing: 2
                Layout.fillWidth: true
                Text {
                    text: entry.title
                    font.pixelSize: 13
                    font.weight: Font.DemiBold
                    color: entry.theme.primary
                }
                Text {
                    id: previewText
                    width: parent.width
                    text: entry.isVerse ? panel.highlighted(entry.preview, entry.matchedOtherWordForms, entry.theme.primary) : ""
                    textFormat: Text.StyledText
                    wrapMode: Text.Wrap
                    font.pixelSize: 13
                    color: entry.theme.secondary
                }
                Text {
                    visible: entry.hint.length > 0
                    text: entry.hint
                    font.pixelSize: 11
                    color: entry.theme.tertiary
                }
            }

            Text {
                visible: entry.kind === "book"
                text: entry.title
                font.pixelSize: 13
                font.weight: Font.DemiBold
                color: entry.theme.primary
                Layout.fillWidth: true
            }

            Row {
                visible: entry.kind === "history"
                spacing: 6
                Layout.fillWidth: true
                Icon { name: "clock"; size: 12; color: entry.theme.secondary; anchors.verticalCenter: parent.verticalCenter }
                Text { text: entry.title; font.pixelSize: 13; color: entry.theme.primary }
            }

            // Keeps the text clear of the chevron.
            Item { visible: entry.isVerse; width: 12; height: 1 }
        }

        Icon {
            id: chevron
            visible: entry.isCursor && entry.isVerse && !panelState.isMultiSelection
            name: "chevron.right"
            size: 11
            lineWidth: 2
            color: entry.theme.secondary
            anchors.right: parent.right
            anchors.rightMargin: 18
            anchors.verticalCenter: parent.verticalCenter
            HoverHandler { id: chevronHover }
            ToolTip.visible: chevronHover.hovered
            ToolTip.text: "→ або повторний клік — відкрити весь розділ"
        }

        MouseArea {
            anchors.fill: parent
            onClicked: (mouse) => entry.clicked(entry.index, mouse.modifiers & Qt.ShiftModifier)
            onDoubleClicked: entry.doubleClicked(entry.index)
        }
    }
}
