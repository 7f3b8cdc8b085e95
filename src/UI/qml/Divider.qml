import QtQuick

Rectangle {
    property color lineColor: "#20000000"
    property real leftInset: 0
    property real rightInset: 0
    width: parent ? parent.width : 0
    height: 1
    color: "transparent"
    Rectangle {
        x: parent.leftInset
        width: parent.width - parent.leftInset - parent.rightInset
        height: 1
        color: parent.lineColor
    }
}
