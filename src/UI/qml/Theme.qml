import QtQuick

// The panel's colours by role, from the desktop's palette.
QtObject {
    property SystemPalette palette: SystemPalette { colorGroup: SystemPalette.Active }
    readonly property color primary: palette.windowText
    readonly property color secondary: Qt.rgba(primary.r, primary.g, primary.b, 0.62)
    readonly property color tertiary: Qt.rgba(primary.r, primary.g, primary.b, 0.42)
    readonly property color accent: palette.highlight
    readonly property color selection: Qt.rgba(accent.r, accent.g, accent.b, 0.15)
    readonly property color divider: Qt.rgba(primary.r, primary.g, primary.b, 0.12)
    readonly property color background: palette.window
}
