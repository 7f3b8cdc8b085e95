import QtQuick
import ".."

// The explanation beside a demonstration.
Item {
    id: info
    property int tip: 0
    property int shownTip: 0
    implicitHeight: column.implicitHeight

    // Key rows: the keys as keycaps, then what they do.
    readonly property var contents: [
        [{ title: "Пошук за словом" },
         { paragraph: "Введіть слово чи фразу — знайдені місця виділено жирним, кожен вірш показано повністю. Справа в полі — скільки віршів знайдено." },
         { keys: ["↑", "↓"], text: "вибір результату" },
         { keys: ["↩"], text: "або подвійний клік — вставити" }],
        [{ title: "Розділ і кілька віршів" },
         { keys: ["→"], text: "або ще один клік по вибраному — весь розділ вірша" },
         { keys: ["Shift", "↑↓"], text: "виділити кілька віршів" },
         { keys: ["↩"], text: "вставити виділене" },
         { keys: ["←"], text: "назад до результатів" }],
        [{ title: "Номери віршів і діапазони" },
         { paragraph: "Клік по іконці книги або утримання «=» вмикає вставку з номерами віршів." },
         { code: "1 Кор 13:4-7", text: "діапазон віршів" },
         { code: "Пс 23:", text: "увесь розділ" },
         { paragraph: "Посилання — після чи перед текстом. Це, стиль і власний шаблон — у налаштуваннях." }],
        [{ title: "Історія та клавіші" },
         { keys: ["↓"], text: "на порожньому полі — останні запити" },
         { keys: ["Ctrl", "C"], text: "скопіювати, не вставляючи" },
         { keys: ["Esc"], text: "очистити поле" },
         { paragraph: "Клік поза панеллю — закрити." }]
    ]

    // The old column fades out, the new one in.
    onTipChanged: fade.restart()
    SequentialAnimation {
        id: fade
        NumberAnimation { target: column; property: "opacity"; to: 0; duration: 120; easing.type: Easing.InOutQuad }
        ScriptAction { script: info.shownTip = info.tip }
        NumberAnimation { target: column; property: "opacity"; to: 1; duration: 130; easing.type: Easing.InOutQuad }
    }

    Column {
        id: column
        width: parent.width
        spacing: 9
        Repeater {
            model: info.contents[info.shownTip]
            Loader {
                required property var modelData
                width: column.width
                sourceComponent: modelData.title !== undefined ? titleElement
                               : modelData.paragraph !== undefined ? paragraphElement
                               : modelData.keys !== undefined ? keyRowElement : bulletElement
                onLoaded: item.element = modelData
            }
        }
    }

    Component {
        id: titleElement
        Text { property var element: ({}); text: element.title || ""; font.pixelSize: 17; font.bold: true; color: TourStyle.primary; wrapMode: Text.Wrap }
    }
    Component {
        id: paragraphElement
        Text { property var element: ({}); text: element.paragraph || ""; font.pixelSize: 14; color: TourStyle.secondary; wrapMode: Text.Wrap }
    }
    Component {
        id: keyRowElement
        Row {
            id: keyRow
            property var element: ({})
            spacing: 8
            Row {
                id: keys
                spacing: 3
                Repeater { model: keyRow.element.keys || []; Keycap { required property string modelData; label: modelData } }
            }
            Text {
                width: info.width - keys.width - 8
                text: keyRow.element.text || ""
                font.pixelSize: 13
                color: TourStyle.secondary
                wrapMode: Text.Wrap
            }
        }
    }
    Component {
        id: bulletElement
        Text {
            property var element: ({})
            textFormat: Text.StyledText
            text: element.code === undefined ? "" : "<b><font color=\"" + TourStyle.primary + "\">" + element.code + "</font></b> — " + element.text
            font.pixelSize: 13
            color: TourStyle.secondary
            wrapMode: Text.Wrap
        }
    }
}
