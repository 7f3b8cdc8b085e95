import QtQuick
import Qt5Compat.GraphicalEffects

// A soft shadow under a rounded shape: put it just before the shape, same parent.
RectangularGlow {
    property Item target
    property real radius: 8
    property real offsetY: 0
    property real shapeRadius: 0
    x: target ? target.x : 0
    y: (target ? target.y : 0) + offsetY
    width: target ? target.width : 0
    height: target ? target.height : 0
    scale: target ? target.scale : 1
    opacity: target ? target.opacity : 1
    glowRadius: radius * 0.75
    spread: 0.05
    cornerRadius: shapeRadius + glowRadius
}
