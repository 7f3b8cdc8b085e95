import QtQuick

// A word search: "пастир" typed, three results, the cursor moving over them.
DemoView {
    kind: 0
    MiniPanel {
        x: 16
        y: 16
        width: parent.width - 32
        query: demo.query
        rows: demo.rows
        selected: demo.selected
        count: demo.count
    }
}
