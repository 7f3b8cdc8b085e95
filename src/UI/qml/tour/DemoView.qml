import QtQuick

// What every demonstration view shares: its script, started when the view appears
// and cancelled (never finishing) when it goes away.
Item {
    id: view
    property int kind: 0
    signal finished()
    readonly property QtObject demo: tourKit.makeDemo(kind, view)
    Component.onCompleted: {
        demo.finished.connect(view.finished)
        demo.run()
    }
}
