import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Window

// The floating search panel: the search row (format button, query field, count) and
// below it the result list, the recent queries, a message or the chapter view.
Item {
    id: root

    // Read by the window: Right Arrow opens a chapter only from the end of the query.
    readonly property bool caretAtEnd: field.selectedText.length === 0 && field.cursorPosition === field.length
    // The window's shape: the panel, and the format menu while it is open (the menu
    // hangs below a short panel, so the window grows to hold it).
    readonly property int panelHeight: Math.round(panelBackground.height)
    readonly property rect menuRect: formatMenu.visible
        ? Qt.rect(formatMenu.x, formatMenu.y, formatMenu.width, formatMenu.height) : Qt.rect(0, 0, 0, 0)

    readonly property Theme theme: Theme {}
    readonly property string section: panelState.hasContext ? "chapter"
        : panelState.isShowingHistory ? "list"
        : panelState.outcomeKind === "message" ? "message"
        : panelState.outcomeKind === "idle" ? ""
        : panelState.rows.count > 0 ? "list" : ""

    width: 560
    implicitHeight: Math.max(panelBackground.height, formatMenu.visible ? formatMenu.y + formatMenu.height + 4 : 0)

    // The field takes the keyboard whenever the panel becomes the active window.
    Connections {
        target: root.Window.window
        function onActiveChanged() {
            if (root.Window.window.active)
                field.forceActiveFocus()
        }
    }

    Rectangle {
        id: panelBackground
        width: parent.width
        height: searchRow.height + (root.section === "" ? 0 : 1 + sectionLoader.height)
        radius: 16
        color: translucent ? Qt.rgba(root.theme.background.r, root.theme.background.g, root.theme.background.b, 0.94)
                           : root.theme.background
        border.color: Qt.rgba(0, 0, 0, 0.14)
        border.width: 1
        clip: true

    Column {
        width: parent.width

        Item {
            id: searchRow
            width: parent.width
            height: Math.max(field.implicitHeight, 28) + 32

            RowLayout {
                anchors.fill: parent
                anchors.leftMargin: 20
                anchors.rightMargin: 20
                anchors.topMargin: 16
                anchors.bottomMargin: 16
                spacing: 12

                // The format button: a click opens the menu, a drag moves the panel.
                Item {
                    id: bookIcon
                    objectName: "bookIcon"
                    implicitWidth: 22
                    implicitHeight: 22
                    Icon {
                        anchors.centerIn: parent
                        name: "book.closed"
                        size: 22
                        color: root.theme.secondary
                    }
                    Text {
                        objectName: "badge"
                        visible: preferences.includeVerseNumbers
                        text: "1"
                        font.pixelSize: 10
                        font.weight: Font.Black
                        color: root.theme.secondary
                        anchors.centerIn: parent
                        anchors.horizontalCenterOffset: 0.5 + 1
                        anchors.verticalCenterOffset: -2
                    }
                    MouseArea {
                        anchors.fill: parent
                        anchors.margins: -4
                        preventStealing: true
                        property point pressedAt
                        property bool dragging: false
                        // The drag is measured from the press, so no distance is lost to
                        // the 2-point threshold that tells a drag from a click.
                        onPressed: (mouse) => {
                            pressedAt = Qt.point(mouse.x, mouse.y)
                            dragging = false
                            panel.beginDrag()
                        }
                        onPositionChanged: (mouse) => {
                            if (!dragging && Math.hypot(mouse.x - pressedAt.x, mouse.y - pressedAt.y) >= 2)
                                dragging = true
                            if (dragging)
                                panel.dragTo()
                        }
                        onReleased: {
                            panel.endDrag()
                            if (!dragging)
                                formatMenu.visible ? formatMenu.close() : formatMenu.open()
                            dragging = false
                        }
                    }
                }

                TextField {
                    id: field
                    objectName: "queryField"
                    Layout.fillWidth: true
                    text: panelState.query
                    placeholderText: "Введіть біблійне посилання чи слово…"
                    placeholderTextColor: root.theme.tertiary
                    color: root.theme.primary
                    font.pixelSize: 22
                    background: null
                    leftPadding: 0
                    rightPadding: 0
                    topPadding: 0
                    bottomPadding: 0
                    selectByMouse: true
                    focus: true
                    onTextEdited: panelState.query = text

                    Keys.onPressed: (event) => {
                        switch (event.key) {
                        case Qt.Key_Up:
                            panelState.moveSelection(-1, false)
                            break
                        case Qt.Key_Down:
                            panelState.moveSelection(1, false)
                            break
                        case Qt.Key_Return:
                        case Qt.Key_Enter:
                            panel.activateSelection()
                            break
                        case Qt.Key_Escape:
                            if (formatMenu.visible)
                                formatMenu.close()
                            else if (panelState.hasContext)
                                panelState.exitContext()
                            else
                                panelState.reset()
                            break
                        default:
                            return
                        }
                        event.accepted = true
                    }
                }

                Text {
                    id: count
                    objectName: "count"
                    visible: !panelState.hasContext && panelState.resultCount !== undefined && panelState.resultCount !== null
                    text: visible ? panelState.resultCount : ""
                    font.pixelSize: 15
                    color: root.theme.tertiary
                    HoverHandler { id: countHover }
                    ToolTip.visible: countHover.hovered
                    ToolTip.text: "Знайдено віршів"
                }
            }
        }

        Divider {
            objectName: "sectionDivider"
            visible: root.section !== ""
            lineColor: root.theme.divider
        }

        Loader {
            id: sectionLoader
            width: parent.width
            height: item ? item.implicitHeight : 0
            visible: root.section !== ""
            sourceComponent: root.section === "chapter" ? chapterView
                : root.section === "list" ? resultsList
                : root.section === "message" ? messageRow
                : null
        }
    }

    }

    Component {
        id: messageRow
        Item {
            implicitHeight: message.implicitHeight + 24
            Text {
                id: message
                objectName: "message"
                x: 20
                y: 12
                width: parent.width - 40
                text: panelState.message
                wrapMode: Text.Wrap
                font.pixelSize: 13
                color: root.theme.secondary
            }
        }
    }

    Component {
        id: resultsList
        ListView {
            id: list
            objectName: "resultsList"
            implicitHeight: Math.min(contentHeight + topMargin + bottomMargin, 320)
            topMargin: 6
            bottomMargin: 6
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: panelState.rows
            ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }

            delegate: ResultRow {
                theme: root.theme
                onClicked: (index, shift) => list.rowClicked(index, shift)
                onDoubleClicked: (index) => {
                    pendingChapter.stop()
                    panelState.select(index, false)
                    panel.activateSelection()
                }
            }

            // A second, separate click on the cursor's verse opens its chapter; it waits
            // out the double-click time so that a double click inserts instead.
            function rowClicked(index, shift) {
                const row = panelState.rows
                if (!shift && index === panelState.selectedIndex && !panelState.isMultiSelection && kindAt(index) === "verse") {
                    pendingChapter.restart()
                    return
                }
                panelState.select(index, shift)
            }
            function kindAt(index) {
                return panelState.rows.data(panelState.rows.index(index, 0), Qt.UserRole + 1)
            }

            Timer {
                id: pendingChapter
                interval: Application.styleHints.mouseDoubleClickInterval
                onTriggered: panelState.enterContext()
            }

            NumberAnimation { id: scroll; target: list; property: "contentY"; duration: 120; easing.type: Easing.OutQuad }
            function centerOn(index) {
                if (index < 0 || index >= count)
                    return
                const from = contentY
                positionViewAtIndex(index, ListView.Center)
                const to = contentY
                if (from === to)
                    return
                contentY = from
                scroll.from = from
                scroll.to = to
                scroll.restart()
            }
            Connections {
                target: panelState
                function onSelectedIndexChanged() { list.centerOn(panelState.selectedIndex) }
            }
        }
    }

    Component {
        id: chapterView
        Item {
        implicitHeight: header.height + 1 + verses.height
        Column {
            width: parent.width

            Item {
                id: header
                objectName: "chapterHeader"
                width: parent.width
                height: headerRow.implicitHeight + 16
                RowLayout {
                    id: headerRow
                    x: 20
                    y: 8
                    width: parent.width - 40
                    spacing: 8
                    Icon { name: "chevron.left"; size: 11; lineWidth: 2; color: root.theme.secondary }
                    Text {
                        text: panelState.contextTitle
                        font.pixelSize: 13
                        font.weight: Font.DemiBold
                        color: root.theme.primary
                    }
                    Item { Layout.fillWidth: true; Layout.minimumWidth: 8 }
                    Text {
                        text: "← назад · Shift+↑↓ — кілька віршів"
                        font.pixelSize: 11
                        color: root.theme.tertiary
                    }
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: panelState.exitContext()
                }
            }

            Divider { lineColor: root.theme.divider }

            ListView {
                id: verses
                objectName: "chapterList"
                width: parent.width
                implicitHeight: Math.min(contentHeight + topMargin + bottomMargin, 320)
                height: implicitHeight
                topMargin: 6
                bottomMargin: 6
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                model: panelState.contextVerses
                ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }

                delegate: ChapterRow {
                    theme: root.theme
                    emphasise: panelState.resultCount !== undefined && panelState.resultCount !== null
                    otherForms: !panel.queryIsExact
                    onClicked: (index, shift) => panelState.selectContext(index, shift)
                    onDoubleClicked: (index) => {
                        panelState.selectContext(index, false)
                        panel.activateSelection()
                    }
                }

                NumberAnimation { id: chapterScroll; target: verses; property: "contentY"; duration: 120; easing.type: Easing.OutQuad }
                function centerOn(index, animated) {
                    if (index < 0 || index >= count)
                        return
                    const from = contentY
                    positionViewAtIndex(index, ListView.Center)
                    if (!animated)
                        return
                    const to = contentY
                    if (from === to)
                        return
                    contentY = from
                    chapterScroll.from = from
                    chapterScroll.to = to
                    chapterScroll.restart()
                }
                // On the next turn of the loop, once the rows are laid out.
                Component.onCompleted: Qt.callLater(() => verses.centerOn(panelState.contextCursor, false))
                Connections {
                    target: panelState
                    function onContextChanged() { verses.centerOn(panelState.contextCursor, true) }
                }
            }
        }
        }
    }

    // A press anywhere outside the open menu closes it.
    MouseArea {
        anchors.fill: parent
        visible: formatMenu.visible
        onPressed: formatMenu.close()
    }

    // The format menu, in a popover under the book icon.
    Item {
        id: formatMenu
        objectName: "formatMenu"
        visible: false
        x: 20 - 8
        y: 16 + bookIcon.height + 10
        width: Math.max(200, menuColumn.implicitWidth) + 12
        height: menuColumn.implicitHeight + 12

        function open() { visible = true }
        function close() {
            visible = false
            field.forceActiveFocus()
        }

        Rectangle {
            anchors.fill: parent
            radius: 8
            color: root.theme.background
            border.color: Qt.rgba(0, 0, 0, 0.18)
        }
        // The popover's arrow, pointing at the button's bottom edge.
        Rectangle {
            width: 10
            height: 10
            rotation: 45
            x: 8 + bookIcon.width / 2 - 5
            y: -5
            color: root.theme.background
            border.color: Qt.rgba(0, 0, 0, 0.18)
        }
        Rectangle {
            x: 8 + bookIcon.width / 2 - 7
            y: 1
            width: 14
            height: 6
            color: root.theme.background
        }

        Column {
            id: menuColumn
            x: 6
            y: 6
            spacing: 2
            Repeater {
                model: [
                    { title: "З номерами віршів", numbers: true },
                    { title: "Без номерів віршів", numbers: false }
                ]
                delegate: Item {
                    required property var modelData
                    objectName: "menuItem:" + modelData.title
                    readonly property bool checked: preferences.includeVerseNumbers === modelData.numbers
                    width: Math.max(200, itemRow.implicitWidth + 16)
                    height: itemRow.implicitHeight + 10
                    Rectangle {
                        anchors.fill: parent
                        radius: 5
                        color: itemArea.containsMouse ? root.theme.selection : "transparent"
                    }
                    Row {
                        id: itemRow
                        x: 8
                        y: 5
                        spacing: 6
                        Icon {
                            name: "checkmark"
                            size: 11
                            lineWidth: 2.2
                            color: root.theme.primary
                            opacity: preferences.includeVerseNumbers === modelData.numbers ? 1 : 0
                            anchors.verticalCenter: parent.verticalCenter
                        }
                        Text { text: modelData.title; font.pixelSize: 13; color: root.theme.primary }
                    }
                    MouseArea {
                        id: itemArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: {
                            preferences.includeVerseNumbers = modelData.numbers
                            formatMenu.close()
                        }
                    }
                }
            }
        }
    }
}
