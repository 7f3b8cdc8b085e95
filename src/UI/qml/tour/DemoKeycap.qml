import QtQuick

// The key a demonstration presses, in the box's corner.
Keycap {
    property bool pressed: false
    scale: 1.35
    anchors.right: parent.right
    anchors.bottom: parent.bottom
    anchors.rightMargin: 22
    anchors.bottomMargin: 22
    transform: Translate { y: pressed ? 3 : 0; Behavior on y { Spring { response: 0.25; dampingFraction: 0.5 } } }
}
