import QtQuick

// The entrance of a page element: it floats up 14 points into place and fades in,
// `delay` seconds after the page appears.
Item {
    id: rise
    property real delay: 0
    default property Item content
    property real progress: 0

    implicitWidth: content ? content.implicitWidth : 0
    implicitHeight: content ? content.implicitHeight : 0
    opacity: Math.max(0, Math.min(1, progress))
    transform: Translate { y: 14 * (1 - rise.progress) }

    onContentChanged: {
        if (content) {
            content.parent = rise
            content.width = Qt.binding(() => rise.width)
            content.height = Qt.binding(() => rise.height)
        }
    }

    Behavior on progress { Spring { response: 0.55; dampingFraction: 0.8 } }
    Timer { interval: rise.delay * 1000; running: true; onTriggered: rise.progress = 1 }
}
