import QtQuick

// Recent queries under Down on an empty field, then copying with Ctrl+C.
DemoView {
    kind: 3
    MiniPanel {
        x: 16
        y: 16
        width: parent.width - 32
        query: ""
        rows: demo.rows
        selected: demo.selected
    }
    DemoKeycap { label: demo.badge; pressed: demo.pressed }
}
