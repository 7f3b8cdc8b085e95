pragma Singleton
import QtQuick

// The tour's colours and faces: the desktop's palette by role, and the tour's own.
QtObject {
    property SystemPalette palette: SystemPalette { colorGroup: SystemPalette.Active }

    function alpha(c, a) { return Qt.rgba(c.r, c.g, c.b, a) }

    readonly property color primary: palette.windowText
    readonly property color secondary: alpha(primary, 0.62)
    readonly property color tertiary: alpha(primary, 0.42)
    readonly property color quaternary: alpha(primary, 0.24)
    readonly property color accent: palette.highlight
    readonly property color window: palette.window
    readonly property color controlBackground: palette.base
    readonly property color textBackground: palette.base

    readonly property color success: Qt.rgba(0.11, 0.48, 0.23, 1)
    readonly property color green: Qt.rgba(0.2, 0.78, 0.35, 1)
    readonly property color orange: Qt.rgba(1.0, 0.58, 0.0, 1)
    readonly property color red: Qt.rgba(0.9, 0.22, 0.21, 1)
    readonly property color glyphStart: Qt.rgba(0.23, 0.48, 1.0, 1)
    readonly property color glyphEnd: Qt.rgba(0.48, 0.36, 1.0, 1)
    readonly property var confetti: [
        Qt.rgba(0.23, 0.48, 1.0, 1), Qt.rgba(0.48, 0.36, 1.0, 1), Qt.rgba(1.0, 0.83, 0.35, 1),
        Qt.rgba(0.19, 0.76, 0.36, 1), Qt.rgba(1.0, 0.42, 0.6, 1), Qt.rgba(0.35, 0.78, 0.98, 1)
    ]

    // A serif text face for the mock documents.
    readonly property string serif: "DejaVu Serif"
}
