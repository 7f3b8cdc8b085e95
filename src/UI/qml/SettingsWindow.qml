import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// The Settings window: "Загальні" (login item, shortcut, insertion format) and
// "Про Lampstride" (the tour, the cheat sheet, facts). Every change is stored at once.
Page {
    id: page
    width: 460 + 40
    height: 460 + 40

    readonly property var prefs: settings.preferences
    readonly property bool customFormat: Number(prefs.formatKind) === settings.formatKinds.length - 1
    readonly property color secondary: Qt.rgba(palette.windowText.r, palette.windowText.g, palette.windowText.b, 0.62)

    // Ctrl+Tab moves between the tabs from the keyboard.
    Shortcut {
        sequences: ["Ctrl+Tab", "Ctrl+PgDown", "Ctrl+Backtab", "Ctrl+PgUp"]
        onActivated: tabs.currentIndex = 1 - tabs.currentIndex
    }

    // Escape or Ctrl+W closes the window (a recording shortcut control takes Escape first).
    Shortcut {
        sequences: ["Escape", "Ctrl+W"]
        onActivated: page.Window.window.close()
    }

    header: TabBar {
        id: tabs
        objectName: "tabs"
        TabButton {
            text: "Загальні"
            focusPolicy: Qt.NoFocus
            contentItem: TabLabel { icon: "gearshape"; label: parent.text }
        }
        TabButton {
            text: "Про Lampstride"
            focusPolicy: Qt.NoFocus
            contentItem: TabLabel { icon: "info.circle"; label: parent.text }
        }
    }

    StackLayout {
        anchors.fill: parent
        anchors.margins: 20
        currentIndex: tabs.currentIndex

        // ---- General
        ScrollView {
            id: generalTab
            clip: true
            contentWidth: availableWidth

            ColumnLayout {
                width: generalTab.availableWidth
                spacing: 14

                FormSection {
                    title: "Загальні"
                    Layout.fillWidth: true

                    Switch {
                        id: loginSwitch
                        objectName: "loginSwitch"
                        text: "Запускати при вході в систему"
                        checked: settings.launchAtLogin
                        onToggled: settings.launchAtLogin = checked
                        focus: true
                        Component.onCompleted: forceActiveFocus()
                    }

                    RowLayout {
                        spacing: 12
                        Label {
                            text: "Гаряча клавіша"
                            Layout.fillWidth: true
                        }
                        ShortcutRecorderControl {
                            recorder: settings.recorder
                            Layout.preferredWidth: 170
                            Layout.preferredHeight: 24
                        }
                    }

                    Label {
                        objectName: "shortcutProblem"
                        visible: settings.shortcutProblem.length > 0
                        text: settings.shortcutProblem
                        color: "#c62828"
                        font.pixelSize: 11
                        wrapMode: Text.Wrap
                        Layout.fillWidth: true
                    }
                }

                FormSection {
                    title: "Вставка"
                    Layout.fillWidth: true

                    Switch {
                        id: numbersSwitch
                        objectName: "numbersSwitch"
                        text: "Показувати номери віршів"
                        checked: page.prefs.includeVerseNumbers
                        onToggled: page.prefs.includeVerseNumbers = checked
                    }

                    // With verse numbers: the layout of numbered text.
                    ColumnLayout {
                        visible: page.prefs.includeVerseNumbers
                        spacing: 6
                        Layout.fillWidth: true

                        RadioGroupRow {
                            title: "Стиль"
                            choices: settings.numberedStyles
                            current: Number(page.prefs.numberedStyle)
                            onChosen: (value) => page.prefs.numberedStyle = value
                        }
                        RadioGroupRow {
                            title: "Посилання"
                            choices: settings.referencePositions
                            current: Number(page.prefs.numberedReferencePosition)
                            onChosen: (value) => page.prefs.numberedReferencePosition = value
                        }
                        ExampleRow { text: page.prefs.numberedExample }
                    }

                    // Without them: a format, or the user's own template.
                    ColumnLayout {
                        visible: !page.prefs.includeVerseNumbers
                        spacing: 6
                        Layout.fillWidth: true

                        RowLayout {
                            spacing: 12
                            Label { text: "Формат"; Layout.fillWidth: true }
                            ComboBox {
                                id: formatCombo
                                objectName: "formatCombo"
                                model: settings.formatKinds
                                textRole: "title"
                                valueRole: "value"
                                Layout.preferredWidth: 240
                                // The kinds are listed in the order of their values.
                                currentIndex: Number(page.prefs.formatKind)
                                onActivated: page.prefs.formatKind = currentValue
                            }
                        }

                        ExampleRow {
                            visible: !page.customFormat
                            text: settings.formatExample(Number(page.prefs.formatKind))
                        }

                        // The custom-template editor.
                        ColumnLayout {
                            visible: page.customFormat
                            spacing: 4
                            Layout.fillWidth: true

                            TextField {
                                objectName: "templateField"
                                text: page.prefs.customTemplate
                                placeholderText: "Шаблон, напр. «{text}» ({reference})"
                                onTextEdited: page.prefs.customTemplate = text
                                Layout.fillWidth: true
                            }
                            Label {
                                text: "Натисніть, щоб додати в кінець шаблону:"
                                font.pixelSize: 11
                                color: page.secondary
                            }
                            Repeater {
                                model: [["{text}", "{reference}", "{book}", "{chapter}", "{verse}"], ["«", "»", "(", ")"]]
                                delegate: Row {
                                    required property var modelData
                                    spacing: 4
                                    Repeater {
                                        model: modelData
                                        delegate: Button {
                                            required property string modelData
                                            text: modelData
                                            font.pixelSize: 11
                                            padding: 4
                                            implicitHeight: 22
                                            onClicked: settings.appendToTemplate(modelData)
                                        }
                                    }
                                }
                            }
                            Column {
                                spacing: 2
                                Layout.topMargin: 4
                                Label { text: "Приклад"; font.pixelSize: 11 }
                                TextEdit {
                                    objectName: "customExample"
                                    text: settings.customTemplateExample(page.prefs.customTemplate)
                                    readOnly: true
                                    selectByMouse: true
                                    color: page.secondary
                                    font.pixelSize: 12
                                }
                            }
                        }
                    }
                }
            }
        }

        // ---- About
        ScrollView {
            id: aboutTab
            clip: true
            contentWidth: availableWidth
            ScrollBar.vertical.policy: ScrollBar.AlwaysOn

            ColumnLayout {
                width: aboutTab.availableWidth - 12
                spacing: 14

                // Introduction card.
                Rectangle {
                    Layout.fillWidth: true
                    Layout.topMargin: 12
                    implicitHeight: card.implicitHeight + 24
                    radius: 10
                    color: palette.base
                    border.color: Qt.rgba(0, 0, 0, 0.08)
                    border.width: 0.5
                    RowLayout {
                        id: card
                        anchors.fill: parent
                        anchors.margins: 12
                        spacing: 10
                        AppIcon { size: 36 }
                        ColumnLayout {
                            spacing: 2
                            Layout.fillWidth: true
                            Label { text: "Вступ і підказки"; font.pixelSize: 13; font.weight: Font.DemiBold }
                            Label {
                                text: "Покроковий огляд можливостей Lampstride"
                                font.pixelSize: 12
                                color: page.secondary
                                wrapMode: Text.Wrap
                                Layout.fillWidth: true
                            }
                        }
                        Button {
                            text: "Показати вступ ще раз"
                            highlighted: true
                            onClicked: settings.showOnboarding()
                        }
                    }
                }

                // Cheat sheet.
                Label { text: "Швидкі клавіші"; font.pixelSize: 14; font.weight: Font.DemiBold }
                Column {
                    spacing: 4
                    Layout.fillWidth: true
                    Repeater {
                        model: settings.cheatSheet
                        delegate: Row {
                            required property var modelData
                            spacing: 10
                            Label {
                                objectName: "cheatKey"
                                width: 160
                                text: modelData.key
                                font.family: "monospace"
                                font.pixelSize: 12
                                font.weight: Font.DemiBold
                                wrapMode: Text.Wrap
                            }
                            Label {
                                width: aboutTab.availableWidth - 12 - 170
                                text: modelData.description
                                font.pixelSize: 12
                                color: page.secondary
                                wrapMode: Text.Wrap
                            }
                        }
                    }
                }

                Rectangle { height: 1; color: Qt.rgba(0, 0, 0, 0.12); Layout.fillWidth: true }

                // Facts.
                GridLayout {
                    columns: 2
                    rowSpacing: 4
                    columnSpacing: 12
                    Layout.bottomMargin: 12
                    Label { text: "Переклад" }
                    Label { objectName: "translation"; text: settings.translation; color: page.secondary }
                    Label { text: "Версія Lampstride" }
                    Label { text: settings.version; color: page.secondary }
                    Label { text: "Автор" }
                    Label { text: settings.author; color: page.secondary }
                }
            }
        }
    }

    component FormSection: ColumnLayout {
        property string title
        spacing: 8
        default property alias content: body.data
        Label {
            text: parent.title
            font.pixelSize: 13
            font.weight: Font.DemiBold
        }
        Rectangle {
            Layout.fillWidth: true
            implicitHeight: body.implicitHeight + 20
            radius: 8
            color: palette.base
            border.color: Qt.rgba(0, 0, 0, 0.1)
            ColumnLayout {
                id: body
                x: 12
                y: 10
                width: parent.width - 24
                spacing: 8
            }
        }
    }

    component RadioGroupRow: RowLayout {
        id: group
        property string title
        property var choices
        property int current
        signal chosen(int value)
        spacing: 12
        Label { text: group.title; Layout.alignment: Qt.AlignTop; Layout.fillWidth: true }
        Column {
            Repeater {
                model: group.choices
                delegate: RadioButton {
                    required property var modelData
                    text: modelData.title
                    checked: group.current === modelData.value
                    onClicked: group.chosen(modelData.value)
                }
            }
        }
    }

    component ExampleRow: RowLayout {
        property alias text: example.text
        spacing: 12
        Label { text: "Приклад"; Layout.alignment: Qt.AlignTop }
        TextEdit {
            id: example
            objectName: "example"
            readOnly: true
            selectByMouse: true
            color: page.secondary
            font.pixelSize: 12
            horizontalAlignment: TextEdit.AlignRight
            wrapMode: TextEdit.Wrap
            Layout.fillWidth: true
        }
    }

    component TabLabel: Item {
        property string icon
        property string label
        implicitWidth: tabRow.implicitWidth
        implicitHeight: tabRow.implicitHeight
        Row {
            id: tabRow
            anchors.centerIn: parent
            spacing: 6
            Icon { name: parent.parent.icon; size: 14; color: palette.windowText; anchors.verticalCenter: parent.verticalCenter }
            Label { text: parent.parent.label }
        }
    }

    component AppIcon: Rectangle {
        property real size: 36
        width: size
        height: size
        radius: size * 0.22
        color: "#2f5d8a"
        Icon {
            anchors.centerIn: parent
            name: "book.closed"
            size: parent.size * 0.62
            color: "white"
        }
    }
}
