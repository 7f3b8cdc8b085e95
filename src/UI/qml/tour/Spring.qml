import QtQuick

// A spring given as (response, damping fraction), in Qt Quick's terms.
SpringAnimation {
    property real response: 0.5
    property real dampingFraction: 0.825
    spring: tourKit.spring(response, dampingFraction)
    damping: tourKit.damping(response, dampingFraction)
    epsilon: 0.002
}
