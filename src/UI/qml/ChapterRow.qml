import QtQuick
import QtQuick.Layouts

// One verse of the open chapter.
Rectangle {
    id: row
    required property int index
    required property int number
    required property string text

    property var theme
    property bool emphasise
    property bool otherForms
    readonly property bool isCursor: index === panelState.contextCursor
    readonly property bool isSelected: index >= panelState.contextFirst && index <= panelState.contextLast

    signal clicked(int index, bool shift)
    signal doubleClicked(int index)

    width: ListView.view ? ListView.view.width : 0
    height: content.implicitHeight + 10
    color: isSelected ? theme.selection : "transparent"

    RowLayout {
        id: content
        x: 20
        y: 5
        width: parent.width - 40
        spacing: 10

        Text {
            text: "▸"
            font.pixelSize: 13
            font.weight: Font.DemiBold
            color: row.theme.primary
            opacity: row.isCursor ? 1 : 0
            Layout.alignment: Qt.AlignTop
        }
        Text {
            text: row.number
            font.pixelSize: 12
            font.weight: Font.DemiBold
            color: row.theme.secondary
            horizontalAlignment: Text.AlignRight
            Layout.minimumWidth: 20
            Layout.alignment: Qt.AlignTop
        }
        Text {
            text: row.emphasise ? panel.highlighted(row.text, row.otherForms, row.theme.primary) : row.text
            textFormat: row.emphasise ? Text.StyledText : Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 13
            color: row.theme.primary
            Layout.fillWidth: true
        }
    }

    MouseArea {
        anchors.fill: parent
        onClicked: (mouse) => row.clicked(row.index, mouse.modifiers & Qt.ShiftModifier)
        onDoubleClicked: row.doubleClicked(row.index)
    }
}
